#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "tester/keyboard_type.h"
#include "tester/parameter_page_model.h"

class MessageSink;
class SettingsStore;
class TestData;
class YesNoQuestion;

/// The Characters page (dialog 136): the character-worth table of a test. The editable form
/// lists every "*.nchrs" table in "charconfig" beside the program (and, when that folder is
/// read-only, in the user's writable "charconfig"); the user may edit, add and delete the
/// tables they made. The read-only form shows the test's own sets.
class CharactersPageModel final : public ParameterPageModel {
  public:
    static constexpr int kDialogId = 136;
    static constexpr int kChars1Field = 1017;
    static constexpr int kChars2Field = 1018;
    static constexpr int kChars3Field = 1020;
    static constexpr int kChars4Field = 1021;
    static constexpr int kTypeField = 1022;
    static constexpr int kAddButton = 1023;
    static constexpr int kDeleteButton = 1024;

    static constexpr const char* kKeyboardKey = "keyboard";
    static constexpr const char* kDefaultKeyboard = "English keyboard (United States)";
    static constexpr const char* kNameInUseMessage =
        "This keyboard name is already in use. Modify the keyboard name, please.";
    static constexpr const char* kDeleteQuestion =
        "Do you really want to delete the current keyboard: %s ?";

    CharactersPageModel(TestData& data, SettingsStore& settings, MessageSink& messages,
                        YesNoQuestion& questions, bool editable);

    std::string Caption() const override { return "Characters"; }
    void Apply() override;

    const std::vector<KeyboardType>& types() const { return types_; }
    /// The selected type, or -1 when the list is empty.
    int selected() const { return selected_; }
    /// The four sets the edits show (1-, 2-, 3- and 4-point characters).
    const std::array<std::string, 4>& sets() const { return sets_; }
    /// The edits take typing only for a table the user made, in the editable form.
    bool CanEditSets() const;
    bool CanDelete() const { return CanEditSets(); }
    bool modified() const { return modified_; }

    /// Shows another table; a modified one is written back to its file first.
    void Select(int index);
    /// An edit changed: index 0 to 3, text without line breaks.
    void SetChars(int index, std::string text);
    /// A new editable table named name with the sets shown, written to "charconfig" and
    /// selected. False (with the message shown) when the name is taken or the file cannot be
    /// written; an empty name adds nothing.
    bool Add(const std::string& name);
    /// Asks whether to delete the selected table; Yes removes its file and its entry.
    void DeleteSelected();

    /// The table that applying the page gives (the sets shown under the selected name).
    KeyboardType Chosen() const;

    /// "%s.nchrs" for a name, with characters that cannot stand in a file name replaced.
    static std::string FileNameFor(const std::string& name);

  private:
    void Show(int index);
    void WriteBack();

    TestData& data_;
    SettingsStore& settings_;
    MessageSink& messages_;
    YesNoQuestion& questions_;
    std::vector<KeyboardType> types_;
    int selected_ = -1;
    std::array<std::string, 4> sets_;
    bool modified_ = false;
};
