// Console dialogs: a dialog holds its controls by id, exchanges data between
// its members and its controls, renders itself as text and, when run modally,
// is driven by line commands read from a stream.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace platform {

enum class ControlKind { Static, Edit, CheckBox, RadioButton, ListBox, Button, ProgressBar, Custom };

// Standard command ids of dialogs.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// The word a drawn dialog shows for a kind of control ("check", "radio",
// "button" ...).
const char* KindName(ControlKind kind);

// Reads one line of commands, ended by LF or by CR LF (a script written on
// Windows): the CR is not part of the line. False at the end of the input.
// A line holding a NUL character is refused whole: `out` says so, a refusal
// is counted (CountRefusal) and `line` comes back empty, which no dialog
// acts on and which ends a prompt as its Cancel does.
bool ReadCommandLine(std::istream& in, std::string& line, std::ostream& out);

// The input lines refused since the count was last reset: commands a modal
// dialog does not know or cannot carry out, and answers a program turns down
// (CountRefusal). The program driving the dialogs decides what that means
// for its run.
void CountRefusal();
int RefusalCount();
void ResetRefusalCount();

struct Control {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    std::string label;  // the caption beside or on the control
    std::string text;   // value text of statics and edits
    bool enabled = true;
    bool visible = true;
    bool isDefault = false;
    int checked = 0;           // check boxes and radio buttons
    int group = 0;             // radio buttons of one group share the id of the first
    bool multiSelect = false;  // list boxes
    std::vector<std::string> items;
    std::vector<bool> selected;
    int caret = -1;    // the current item of a list box
    int position = 0;  // progress bars, 0 to 100
};

class Dialog;

// Draws dialogs. A modeless dialog tells its renderer of every change; a modal
// loop asks for a full drawing after each command.
class DialogRenderer {
public:
    virtual ~DialogRenderer() = default;
    virtual void Render(const Dialog& dialog) = 0;
    virtual void ControlChanged(const Dialog& dialog, const Control& control) = 0;
    virtual void Hidden(const Dialog& dialog) = 0;
};

// A renderer that draws nothing (tests, batch use).
class SilentRenderer : public DialogRenderer {
public:
    void Render(const Dialog&) override {}
    void ControlChanged(const Dialog&, const Control&) override {}
    void Hidden(const Dialog&) override {}
};

// Draws the whole dialog as text on a stream.
class ConsoleRenderer : public DialogRenderer {
public:
    explicit ConsoleRenderer(std::ostream& out) : out_(out) {}
    void Render(const Dialog& dialog) override;
    void ControlChanged(const Dialog&, const Control&) override {}
    void Hidden(const Dialog&) override {}

private:
    std::ostream& out_;
};

// The renderer of modeless progress dialogs: standard error, redrawn in place
// on a terminal, one line per changed text otherwise. Only a change of a text
// or of the shown percent draws anything.
class ProgressRenderer : public DialogRenderer {
public:
    // `terminal`: standard error is a terminal, where the line is redrawn in
    // place (else each text is a line of its own).
    ProgressRenderer();
    explicit ProgressRenderer(bool terminal) : terminal_(terminal) {}
    void Render(const Dialog& dialog) override;
    void ControlChanged(const Dialog& dialog, const Control& control) override;
    void Hidden(const Dialog& dialog) override;

private:
    void DrawStatusLine(const Dialog& dialog);
    bool terminal_;
    std::vector<int> liveIds_;  // texts changed since the dialog was drawn
};

// Ends the status line a ProgressRenderer keeps drawn on standard error,
// when one is open there, so that what is printed next (a message box)
// starts a line of its own; the next redraw starts a line below it.
void EndStatusLine();

// The renderer that modeless dialogs use unless told otherwise; by default a
// ProgressRenderer. Never null.
DialogRenderer& ModelessRenderer();
void SetModelessRenderer(DialogRenderer* renderer);  // null restores the default

// Moves data between members and controls (direction chosen by UpdateData).
class DataExchange {
public:
    DataExchange(Dialog& dialog, bool save) : dialog_(dialog), save_(save) {}
    bool Saving() const { return save_; }
    void Text(int id, std::string& member);
    void Check(int id, int& member);
    // Radio group starting at firstId: member is the index of the checked
    // button in the group, -1 for none.
    void Radio(int firstId, int& member);
    void ListIndex(int id, int& member);

private:
    Dialog& dialog_;
    bool save_;
};

class Dialog {
public:
    Dialog(int templateId, std::string caption);
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    int TemplateId() const { return templateId_; }
    const std::string& Caption() const { return caption_; }
    void SetWindowText(const std::string& caption);

    Control& AddControl(int id, ControlKind kind, const std::string& label, const std::string& text = "");
    Control& AddRadioButton(int id, int groupFirstId, const std::string& label);
    Control* GetDlgItem(int id);
    const Control* GetDlgItem(int id) const;
    const std::vector<Control>& Controls() const { return controls_; }

    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    void EnableControl(int id, bool enabled);
    void ShowControl(int id, bool visible);
    void CheckDlgButton(int id, int checked);
    int IsDlgButtonChecked(int id) const;
    void SetProgressPos(int id, int percent);
    void SetLabel(int id, const std::string& label);
    // List boxes.
    int AddListItem(int id, const std::string& item);
    void DeleteListItem(int id, int index);
    void SetListSelection(int id, int index, bool selected);
    std::vector<int> ListSelection(int id) const;

    bool UpdateData(bool saveAndValidate = true);

    // Modeless: runs the initialisation and draws the dialog.
    bool Create(DialogRenderer* renderer = nullptr);
    bool IsVisible() const { return visible_; }
    // Modal: initialises, then reads commands from `in` until the dialog ends;
    // returns the end code (IDOK, IDCANCEL or one given to EndDialog). The end
    // of the input acts as the close box (OnClose).
    int DoModal(std::istream& in, std::ostream& out);
    void EndDialog(int result);
    bool Ended() const { return ended_; }
    // Whether the last modal run ended because its input did.
    bool EndedByInput() const { return endedByInput_; }

    // Carries out one command line as the modal loop does; false when the
    // line is not understood or names no control that takes it (a message
    // has then been written to `out`; the modal loop counts a refusal).
    bool ExecuteCommand(const std::string& line, std::ostream& out);

    virtual bool OnInitDialog() { return true; }
    virtual void OnOK();
    virtual void OnCancel();
    // The close box ("close", and the end of the input); a Cancel unless the
    // dialog tells the two apart.
    virtual void OnClose() { OnCancel(); }
    // A button was pressed (or a check box, radio button or list changed):
    // the dialog's own handlers. OK and Cancel go to OnOK and OnCancel.
    virtual void OnCommand(int /*id*/) {}
    // A line the standard commands do not know; true when the dialog took it.
    virtual bool OnExtraCommand(const std::string& /*line*/, std::ostream& /*out*/) { return false; }
    // Help text for the dialog's own commands, shown under the standard ones.
    virtual std::string ExtraCommandHelp() const { return std::string(); }

protected:
    virtual void DoDataExchange(DataExchange& /*dx*/) {}
    void Changed(const Control& control);
    DialogRenderer* renderer_ = nullptr;

private:
    int templateId_;
    std::string caption_;
    std::vector<Control> controls_;
    bool visible_ = false;
    bool ended_ = false;
    bool endedByInput_ = false;
    int result_ = 0;
};

}  // namespace platform
