// Synset records from arbitrary bytes: reading must fail cleanly or give a
// synset that writes and reads back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "LVErrors.h"
#include "Synset.h"

namespace {

bool HasCharsTheWriterMaps(const TSynset& s) {
    // The text codec stores "_" as a space and "`" as "'", so such texts
    // cannot come back unchanged; a builder never writes them.
    auto mapped = [](const std::string& text) { return text.find_first_of("_`") != std::string::npos; };
    if (mapped(s.Gloss)) return true;
    for (const std::string& w : s.AllWords)
        if (mapped(w)) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TMemoryStream in(std::string(reinterpret_cast<const char*>(data), size));
    TSynset s;
    try {
        s.ReadFrom(in);
    } catch (const LVException&) {
        return 0;
    }
    if (HasCharsTheWriterMaps(s)) return 0;

    TMemoryStream out;
    try {
        s.WriteTo(out);
    } catch (const ELVError&) {
        return 0;  // too long to store once recompressed
    }
    out.Seek(0);
    TSynset back;
    back.ReadFrom(out);
    if (back.AllWords != s.AllWords || back.Gloss != s.Gloss || back.PointerCount() != s.PointerCount())
        __builtin_trap();
    for (int i = 0; i < s.PointerCount(); ++i) {
        const TSynsetPointer& a = s.Pointers[i];
        const TSynsetPointer& b = back.Pointers[i];
        if (a.Kind != b.Kind || a.Target != b.Target || a.SourceWord != b.SourceWord || a.TargetWord != b.TargetWord)
            __builtin_trap();
    }
    return 0;
}
