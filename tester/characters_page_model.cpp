#include "tester/characters_page_model.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/data_paths.h"
#include "common/message_sink.h"
#include "common/product_version.h"
#include "common/settings_store.h"
#include "tester/keyboard_type_file.h"
#include "tester/result_commands.h"
#include "tester/test_data.h"
#include "tester/yes_no_question.h"

namespace {

// The tables beside the program and, where the program folder cannot be written, the ones
// the user added in their own folder; a name found twice is listed once.
std::vector<KeyboardType> ListTypes() {
    const std::string programFolder = DataPaths::DataPath("charconfig", "");
    std::vector<KeyboardType> types = KeyboardTypeFile::ListFolder(programFolder);
    const std::string writable = DataPaths::WritableFolder("charconfig");
    std::error_code ec;
    if (!std::filesystem::equivalent(programFolder, writable, ec)) {
        for (KeyboardType& type : KeyboardTypeFile::ListFolder(writable)) {
            const bool known = std::any_of(types.begin(), types.end(), [&](const KeyboardType& t) {
                return t.name == type.name;
            });
            if (!known) {
                types.push_back(std::move(type));
            }
        }
    }
    std::stable_sort(types.begin(), types.end(),
                     [](const KeyboardType& a, const KeyboardType& b) { return a.name < b.name; });
    return types;
}

}  // namespace

CharactersPageModel::CharactersPageModel(TestData& data, SettingsStore& settings,
                                         MessageSink& messages, YesNoQuestion& questions,
                                         bool editable)
    : ParameterPageModel(PageKind::Characters, editable),
      data_(data),
      settings_(settings),
      messages_(messages),
      questions_(questions) {
    sets_ = {data.chars1, data.chars2, data.chars3, data.chars4};
    if (!editable) {
        KeyboardType own;
        own.name = data.keyboardTypeName;
        own.chars1 = data.chars1;
        own.chars2 = data.chars2;
        own.chars3 = data.chars3;
        own.chars4 = data.chars4;
        types_.push_back(std::move(own));
        selected_ = 0;
        return;
    }
    types_ = ListTypes();
    if (types_.empty()) {
        return;
    }
    const std::string wanted = settings.ReadString("", kKeyboardKey, kDefaultKeyboard);
    auto found = std::find_if(types_.begin(), types_.end(),
                              [&](const KeyboardType& type) { return type.name == wanted; });
    Show(found == types_.end() ? 0 : static_cast<int>(found - types_.begin()));
}

bool CharactersPageModel::CanEditSets() const {
    return editable() && selected_ >= 0 && types_[static_cast<std::size_t>(selected_)].editable;
}

void CharactersPageModel::Show(int index) {
    selected_ = index;
    const KeyboardType& type = types_[static_cast<std::size_t>(index)];
    sets_ = {type.chars1, type.chars2, type.chars3, type.chars4};
    modified_ = false;
}

void CharactersPageModel::WriteBack() {
    if (!modified_ || selected_ < 0) {
        return;
    }
    KeyboardType& type = types_[static_cast<std::size_t>(selected_)];
    type.chars1 = sets_[0];
    type.chars2 = sets_[1];
    type.chars3 = sets_[2];
    type.chars4 = sets_[3];
    modified_ = false;
    if (!KeyboardTypeFile::Write(type, type.path)) {
        messages_.ShowMessage(kMorvikName, ResultCommands::kCannotSaveMessage,
                              MessageSink::Icon::Warning);
    }
}

void CharactersPageModel::Select(int index) {
    if (!editable() || index < 0 || index >= static_cast<int>(types_.size()) ||
        index == selected_) {
        return;
    }
    WriteBack();
    Show(index);
}

void CharactersPageModel::SetChars(int index, std::string text) {
    if (!CanEditSets() || index < 0 || index > 3) {
        return;
    }
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    if (sets_[static_cast<std::size_t>(index)] != text) {
        sets_[static_cast<std::size_t>(index)] = std::move(text);
        modified_ = true;
    }
}

std::string CharactersPageModel::FileNameFor(const std::string& name) {
    std::string safe = name;
    std::replace(safe.begin(), safe.end(), '/', '_');
    std::replace(safe.begin(), safe.end(), '\0', '_');
    return KeyboardType::FileNameFor(safe);
}

bool CharactersPageModel::Add(const std::string& name) {
    if (!editable() || name.find_first_not_of(' ') == std::string::npos) {
        return false;
    }
    const std::string folder = DataPaths::WritableFolder("charconfig");
    const std::string path = folder + FileNameFor(name);
    std::error_code ec;
    const bool taken = std::any_of(types_.begin(), types_.end(),
                                   [&](const KeyboardType& type) { return type.name == name; }) ||
                       std::filesystem::exists(path, ec);
    if (taken) {
        messages_.ShowMessage(kMorvikName, kNameInUseMessage, MessageSink::Icon::Warning);
        return false;
    }
    WriteBack();
    KeyboardType added;
    added.editable = true;
    added.name = name;
    added.chars1 = sets_[0];
    added.chars2 = sets_[1];
    added.chars3 = sets_[2];
    added.chars4 = sets_[3];
    if (!KeyboardTypeFile::Write(added, path)) {
        messages_.ShowMessage(kMorvikName, ResultCommands::kCannotSaveMessage,
                              MessageSink::Icon::Warning);
        return false;
    }
    auto at = std::upper_bound(
        types_.begin(), types_.end(), added,
        [](const KeyboardType& a, const KeyboardType& b) { return a.name < b.name; });
    at = types_.insert(at, std::move(added));
    Show(static_cast<int>(at - types_.begin()));
    return true;
}

void CharactersPageModel::DeleteSelected() {
    if (!CanDelete()) {
        return;
    }
    const KeyboardType& type = types_[static_cast<std::size_t>(selected_)];
    const std::string_view pattern = kDeleteQuestion;
    const std::size_t at = pattern.find("%s");
    const std::string question =
        std::string(pattern.substr(0, at)) + type.name + std::string(pattern.substr(at + 2));
    if (!questions_.AskYesNo(kMorvikName, question)) {
        return;
    }
    std::error_code ec;
    if (!std::filesystem::remove(type.path, ec) || ec) {
        messages_.ShowMessage(kMorvikName, ResultCommands::kCannotSaveMessage,
                              MessageSink::Icon::Warning);
        return;
    }
    types_.erase(types_.begin() + selected_);
    modified_ = false;
    if (types_.empty()) {
        // The sets stay in the edits; they can no longer be typed in.
        selected_ = -1;
        return;
    }
    Show(std::min(selected_, static_cast<int>(types_.size()) - 1));
}

KeyboardType CharactersPageModel::Chosen() const {
    KeyboardType chosen;
    if (selected_ >= 0) {
        chosen = types_[static_cast<std::size_t>(selected_)];
    } else {
        chosen.name = data_.keyboardTypeName;
    }
    chosen.chars1 = sets_[0];
    chosen.chars2 = sets_[1];
    chosen.chars3 = sets_[2];
    chosen.chars4 = sets_[3];
    return chosen;
}

void CharactersPageModel::Apply() {
    if (!editable() || selected_ < 0) {
        // Without any table the test keeps the sets it has.
        return;
    }
    WriteBack();
    const KeyboardType chosen = Chosen();
    data_.keyboardTypeName = chosen.name;
    data_.chars1 = chosen.chars1;
    data_.chars2 = chosen.chars2;
    data_.chars3 = chosen.chars3;
    data_.chars4 = chosen.chars4;
    settings_.WriteString("", kKeyboardKey, chosen.name);
}
