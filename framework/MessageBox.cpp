#include "MessageBox.h"

int ShowMessageBox(const std::string& text, UINT flags, const std::string& caption) {
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags | MB_TASKMODAL);
}
