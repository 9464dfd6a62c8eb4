#include "LexivarMain.h"

#include <new>

#include "DatabasePath.h"
#include "LVDatabase.h"
#include "LVErrors.h"
#include "Options.h"
#include "ReportBuilder.h"
#include "ReportJson.h"
#include "Stream.h"
#include "TextPrinter.h"

namespace {

int Fail(std::ostream& err, const std::string& message) {
    err << "lexivar: " << message << '\n';
    return kExitError;
}

}  // namespace

int RunLexivar(const std::vector<std::string>& args, const std::string& exePath,
               const char* envDatabase, std::ostream& out, std::ostream& err) {
    TLookupOptions options;
    try {
        options = ParseOptions(args);
    } catch (const TUsageError& e) {
        Fail(err, e.what());
        err << kUsage;
        return kExitError;
    }
    if (options.help) {
        out << kUsage;
        return kExitFound;
    }
    std::string path = LocateDatabase(options.databasePath, envDatabase, exePath);
    try {
        TLVDatabase database;
        database.SetFileName(path);
        TLookupReport report = BuildReport(database, options);
        if (options.json)
            WriteJsonReport(report, out);
        else
            PrintText(report, out);
        out.flush();
        return report.found ? kExitFound : kExitNotFound;
    } catch (const EFOpenError& e) {
        return Fail(err, std::string(e.what()) + " (give the database with --db or LEXIVAR_DB)");
    } catch (const ECompressError&) {
        // The codecs carry no message; say what it means here.
        return Fail(err, "damaged database " + path + ": undecodable data");
    } catch (const LVException& e) {
        return Fail(err, e.what());
    } catch (const std::bad_alloc&) {
        return Fail(err, "out of memory");
    }
}
