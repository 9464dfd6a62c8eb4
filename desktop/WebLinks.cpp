#include "WebLinks.h"

namespace {

const char kSchemeMark[] = "://";
// Appended to a bare host so the web server can tell our visits apart.
const char kBareHostMarker[] = "/?LV";

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

}  // namespace

bool IsWebAddress(const std::string& text) {
    std::string u = text.substr(0, 6);
    for (char& c : u) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return StartsWith(u, "WWW.") || StartsWith(u, "HTTP:") || StartsWith(u, "HTTPS:") ||
           StartsWith(u, "FTP:");
}

std::string WithScheme(const std::string& address) {
    if (address.find(kSchemeMark) != std::string::npos) return address;
    return "http://" + address;
}

std::size_t PosFrom(char c, const std::string& s, std::size_t start) {
    if (start == 0 || s.size() < start) return 0;
    std::size_t found = s.find(c, start - 1);
    return found == std::string::npos ? 0 : found + 1;
}

std::string EncodeQuery(const std::string& word) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(word.size());
    for (char ch : word) {
        unsigned char b = static_cast<unsigned char>(ch);
        bool plain = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                     b == '\'' || b == '-';
        if (plain) {
            out += ch;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        }
    }
    return out;
}

std::string WebAddressToOpen(const std::string& address) {
    std::string url = WithScheme(address);
    // Positions count from 1: the host starts just past "://", or after the
    // first three characters when there is no scheme.
    std::size_t mark = address.find(kSchemeMark);
    std::size_t start = mark == std::string::npos ? 4 : mark + 1 + 4;
    if (PosFrom('/', address, start) == 0 && PosFrom('?', address, start) == 0) {
        url += kBareHostMarker;
    }
    return url;
}
