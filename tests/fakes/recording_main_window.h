#pragma once

#include "station/document_commands.h"
#include "station/document_view.h"
#include "station/station_file_view.h"
#include "users/accounts.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::fakes {

// The main window and the login window as the logic sees them: every call is
// recorded, the save prompt gives the answer the test chose, and a test can
// act, or look at the document, from inside the prompt or the opening of a
// linked file.
class RecordingMainWindow : public station::DocumentView,
                            public station::StationFileView,
                            public station::SavePromptView,
                            public users::MainWindowView,
                            public users::LoginView {
public:
    void enableSaveCommands(bool enabled) override { saveCommandStates.push_back(enabled); }
    // The warning window, from the file operations and from the login alike.
    void showWarning(std::string_view text) override { warnings.emplace_back(text); }
    station::SavePromptAnswer askToSaveChanges(std::string_view question) override {
        questions.emplace_back(question);
        if (whileAsking) {
            whileAsking();
        }
        return answer;
    }
    void closeMainWindow() override { ++closeRequests; }
    void setTitle(std::string_view title) override { titles.emplace_back(title); }
    void applyAccountItems(const users::AccountItems& items) override { accountItems = items; }
    bool isShown() const override { return shown; }
    void showMainWindow() override { shown = true; }
    void leaveLogin() override { ++loginsLeft; }
    void openLinkedFile() override {
        if (whileOpeningLinkedFile) {
            whileOpeningLinkedFile();
        }
    }

    std::vector<bool> saveCommandStates;
    std::vector<std::string> warnings;
    std::vector<std::string> questions;
    station::SavePromptAnswer answer = station::SavePromptAnswer::Cancel;
    int closeRequests = 0;
    std::vector<std::string> titles;
    // The last items applied; none until a login applies them.
    std::optional<users::AccountItems> accountItems;
    bool shown = false;
    int loginsLeft = 0;
    std::function<void()> whileAsking;
    std::function<void()> whileOpeningLinkedFile;
};

} // namespace velmora::fakes
