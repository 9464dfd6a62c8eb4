// A plain container for aligned or placed controls.
#pragma once

#include "Window.h"

class TPanel : public TWindow {
public:
    explicit TPanel(TWindow& parent);
};
