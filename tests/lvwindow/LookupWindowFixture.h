// A lookup window over the real database ($LEXIVAR_DB; tests skip without
// it), and helpers that read what the definitions area shows.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "LVDatabase.h"
#include "LVWindow.h"
#include "WordLookup.h"

inline std::string WindowTestDatabase() {
    const char* env = std::getenv("LEXIVAR_DB");
    return env && *env ? env : std::string();
}

// Dispatches what is queued (posted messages such as 1040).
inline void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

class LookupWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::string path = WindowTestDatabase();
        if (path.empty() || !std::ifstream(path).good()) return;
        database_ = std::make_unique<TLVDatabase>();
        database_->SetFileName(path);
    }
    static void TearDownTestSuite() { database_.reset(); }

    void SetUp() override {
        if (!database_) GTEST_SKIP() << "LEXIVAR_DB names no database";
        form = std::make_unique<TLVForm>();
        form->Database = database_.get();
    }

    TWordLookup& Lookup() const { return *database_->Lookup; }

    template <class T>
    std::vector<T*> DefsChildren() const {
        std::vector<T*> found;
        for (TWindow* child : form->Defs.Children()) {
            if (auto* typed = dynamic_cast<T*>(child)) found.push_back(typed);
        }
        return found;
    }

    // Headings are the plain labels of the definitions area.
    std::vector<TLabel*> Headings() const {
        std::vector<TLabel*> found;
        for (TLabel* label : DefsChildren<TLabel>()) {
            if (!dynamic_cast<TSenseNumberLabel*>(label)) found.push_back(label);
        }
        return found;
    }

    std::vector<std::string> TabCaptions() const {
        std::vector<std::string> captions;
        for (int i = 0; i < form->ViewTabs.Count(); ++i) captions.push_back(form->ViewTabs.Caption(i));
        return captions;
    }

    std::string SelectedTab() const { return form->ViewTabs.Caption(form->ViewTabs.TabIndex()); }

    static void ClickWindow(TWindow& window) {
        window.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        window.Send(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }

    std::unique_ptr<TLVForm> form;

private:
    static inline std::unique_ptr<TLVDatabase> database_;
};
