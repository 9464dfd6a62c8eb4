// Web-address text operations: recognising an address, completing it for the
// browser and percent-encoding a query word. Portable; the Win32 side that
// hands the result to the shell is WebOpen.
#pragma once

#include <cstddef>
#include <string>

// True when text begins (in any letter case) with "www.", "http:", "https:" or "ftp:".
bool IsWebAddress(const std::string& text);

// The address unchanged when it names a scheme ("://"), else with "http://" in front.
std::string WithScheme(const std::string& address);

// First position, counting from 1, at or after start where s holds c; 0 when
// there is none, when start is 0 or when s is shorter than start.
std::size_t PosFrom(char c, const std::string& s, std::size_t start);

// Letters, digits, apostrophe and hyphen are kept; every other byte becomes
// "%" and two upper-case hexadecimal digits.
std::string EncodeQuery(const std::string& word);

// The address that OpenWebAddress hands to the shell: WithScheme(address),
// with the marker "/?LV" appended when the address has neither a path nor a
// query after its host.
std::string WebAddressToOpen(const std::string& address);
