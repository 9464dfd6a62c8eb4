#include "Panel.h"

#include "Application.h"

namespace {

const char kPanelClass[] = "LexivarPanel";

}  // namespace

TPanel::TPanel(TWindow& parent) : TWindow(&parent) {
    RegisterWindowClass(kPanelClass, StaticWndProc, CS_DBLCLKS, nullptr);
    CreateHandle(kPanelClass, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT);
}
