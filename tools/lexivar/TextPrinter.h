// The lookup as text: headings, numbered definitions and one line per list.
#pragma once

#include <ostream>
#include <string>

#include "LookupReport.h"

// "Verb: run (ran,run,running,runs)".
std::string HeadingText(const TReportSense& sense);

void PrintText(const TLookupReport& report, std::ostream& out);
