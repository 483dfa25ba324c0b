#include "platform/dialog.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace platform {

namespace {

DialogRenderer* gModelessOverride = nullptr;
int gRefusals = 0;

const char* kStandardHelp =
    "commands: ok | escape | close | press ID | check ID | uncheck ID | set ID TEXT |\n"
    "          select ID N | deselect ID N | show | help\n";

}  // namespace

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Static: return "static";
        case ControlKind::Edit: return "edit";
        case ControlKind::CheckBox: return "check";
        case ControlKind::RadioButton: return "radio";
        case ControlKind::ListBox: return "list";
        case ControlKind::Button: return "button";
        case ControlKind::ProgressBar: return "progress";
        case ControlKind::Custom: return "control";
    }
    return "control";
}

bool ReadCommandLine(std::istream& in, std::string& line, std::ostream& out) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find('\0') != std::string::npos) {
        // A path or text ends at a NUL for some steps and not for others:
        // nothing of such a line is taken.
        std::string shown;
        for (char c : line) shown += c == '\0' ? std::string("\\0") : std::string(1, c);
        out << "line refused, it holds a NUL character: " << shown << "\n";
        CountRefusal();
        line.clear();
    }
    return true;
}

void CountRefusal() { ++gRefusals; }
int RefusalCount() { return gRefusals; }
void ResetRefusalCount() { gRefusals = 0; }

// ---------------------------------------------------------------- renderers

void ConsoleRenderer::Render(const Dialog& dialog) {
    out_ << "=== " << dialog.Caption() << " ===\n";
    for (const Control& c : dialog.Controls()) {
        if (!c.visible) continue;
        out_ << "  [" << c.id << "] " << KindName(c.kind);
        switch (c.kind) {
            case ControlKind::CheckBox:
            case ControlKind::RadioButton:
                out_ << (c.kind == ControlKind::CheckBox ? (c.checked ? " [x] " : " [ ] ")
                                                          : (c.checked ? " (o) " : " ( ) "))
                     << c.label;
                break;
            case ControlKind::Button:
                out_ << " <" << c.label << ">" << (c.isDefault ? " (default)" : "");
                break;
            case ControlKind::ProgressBar:
                out_ << " " << c.position << "%";
                break;
            case ControlKind::ListBox:
                out_ << (c.label.empty() ? "" : " " + c.label) << " (" << c.items.size() << " items)";
                break;
            default:
                if (!c.label.empty()) out_ << " " << c.label;
                if (!c.text.empty() || c.kind == ControlKind::Edit) out_ << " \"" << c.text << "\"";
                break;
        }
        if (!c.enabled) out_ << " (disabled)";
        out_ << "\n";
        if (c.kind == ControlKind::ListBox) {
            for (size_t i = 0; i < c.items.size(); ++i) {
                bool sel = i < c.selected.size() && c.selected[i];
                out_ << "      " << (sel ? "* " : "  ") << i << ": " << c.items[i] << "\n";
            }
        }
    }
    out_.flush();
}

namespace {
// A status line is drawn on standard error without its line end.
bool gStatusLineOpen = false;
}  // namespace

void EndStatusLine() {
    if (gStatusLineOpen) std::fputc('\n', stderr);
    gStatusLineOpen = false;
}

ProgressRenderer::ProgressRenderer() : terminal_(::isatty(2) != 0) {}

void ProgressRenderer::DrawStatusLine(const Dialog& dialog) {
    // One line: the texts that changed since the dialog was drawn, and the bar.
    std::string line;
    int percent = 0;
    for (const Control& c : dialog.Controls()) {
        if (c.kind == ControlKind::ProgressBar) percent = c.position;
    }
    for (int id : liveIds_) {
        const Control* c = dialog.GetDlgItem(id);
        if (!c || c->text.empty()) continue;
        if (!line.empty()) line += "  ";
        line += c->label.empty() ? c->text : c->label + " " + c->text;
    }
    char pct[16];
    std::snprintf(pct, sizeof pct, " %3d%%", percent);
    std::string shown = line.size() > 110 ? line.substr(0, 110) : line;
    shown += pct;
    std::fprintf(stderr, "\r%-116s", shown.c_str());
    std::fflush(stderr);
    gStatusLineOpen = true;
}

void ProgressRenderer::Render(const Dialog& dialog) {
    EndStatusLine();
    liveIds_.clear();
    std::fprintf(stderr, "%s\n", dialog.Caption().c_str());
    for (const Control& c : dialog.Controls()) {
        if (!c.visible || c.kind != ControlKind::Static || c.text.empty()) continue;
        if (c.label.empty()) std::fprintf(stderr, "  %s\n", c.text.c_str());
        else std::fprintf(stderr, "  %s %s\n", c.label.c_str(), c.text.c_str());
    }
    if (terminal_) DrawStatusLine(dialog);
}

void ProgressRenderer::ControlChanged(const Dialog& dialog, const Control& control) {
    if (control.kind != ControlKind::ProgressBar &&
        std::find(liveIds_.begin(), liveIds_.end(), control.id) == liveIds_.end())
        liveIds_.push_back(control.id);
    if (terminal_) {
        DrawStatusLine(dialog);
    } else if (control.kind != ControlKind::ProgressBar && !control.text.empty()) {
        if (control.label.empty()) std::fprintf(stderr, "  %s\n", control.text.c_str());
        else std::fprintf(stderr, "  %s %s\n", control.label.c_str(), control.text.c_str());
    }
}

void ProgressRenderer::Hidden(const Dialog&) { EndStatusLine(); }

DialogRenderer& ModelessRenderer() {
    if (gModelessOverride) return *gModelessOverride;
    static ProgressRenderer progress;
    return progress;
}

void SetModelessRenderer(DialogRenderer* renderer) { gModelessOverride = renderer; }

// ------------------------------------------------------------ data exchange

void DataExchange::Text(int id, std::string& member) {
    if (save_) member = dialog_.GetDlgItemText(id);
    else dialog_.SetDlgItemText(id, member);
}

void DataExchange::Check(int id, int& member) {
    if (save_) member = dialog_.IsDlgButtonChecked(id);
    else dialog_.CheckDlgButton(id, member);
}

void DataExchange::Radio(int firstId, int& member) {
    int index = 0;
    if (save_) member = -1;
    for (const Control& c : dialog_.Controls()) {
        if (c.kind != ControlKind::RadioButton || c.group != firstId) continue;
        if (save_) {
            if (c.checked) member = index;
        } else {
            dialog_.CheckDlgButton(c.id, index == member ? 1 : 0);
        }
        ++index;
    }
}

void DataExchange::ListIndex(int id, int& member) {
    if (save_) {
        std::vector<int> sel = dialog_.ListSelection(id);
        member = sel.empty() ? -1 : sel.front();
    } else {
        Control* c = dialog_.GetDlgItem(id);
        if (!c) return;
        for (size_t i = 0; i < c->selected.size(); ++i) c->selected[i] = static_cast<int>(i) == member;
    }
}

// ------------------------------------------------------------------ dialog

Dialog::Dialog(int templateId, std::string caption) : templateId_(templateId), caption_(std::move(caption)) {}

void Dialog::SetWindowText(const std::string& caption) { caption_ = caption; }

Control& Dialog::AddControl(int id, ControlKind kind, const std::string& label, const std::string& text) {
    Control c;
    c.id = id;
    c.kind = kind;
    c.label = label;
    c.text = text;
    controls_.push_back(c);
    return controls_.back();
}

Control& Dialog::AddRadioButton(int id, int groupFirstId, const std::string& label) {
    Control& c = AddControl(id, ControlKind::RadioButton, label);
    c.group = groupFirstId;
    return c;
}

Control* Dialog::GetDlgItem(int id) {
    for (Control& c : controls_)
        if (c.id == id) return &c;
    return nullptr;
}

const Control* Dialog::GetDlgItem(int id) const {
    for (const Control& c : controls_)
        if (c.id == id) return &c;
    return nullptr;
}

void Dialog::Changed(const Control& control) {
    if (visible_ && renderer_) renderer_->ControlChanged(*this, control);
}

void Dialog::SetDlgItemText(int id, const std::string& text) {
    Control* c = GetDlgItem(id);
    if (!c || c->text == text) return;
    c->text = text;
    Changed(*c);
}

std::string Dialog::GetDlgItemText(int id) const {
    const Control* c = GetDlgItem(id);
    return c ? c->text : std::string();
}

void Dialog::EnableControl(int id, bool enabled) {
    if (Control* c = GetDlgItem(id)) c->enabled = enabled;
}

void Dialog::ShowControl(int id, bool visible) {
    if (Control* c = GetDlgItem(id)) c->visible = visible;
}

void Dialog::SetLabel(int id, const std::string& label) {
    if (Control* c = GetDlgItem(id)) c->label = label;
}

void Dialog::CheckDlgButton(int id, int checked) {
    Control* c = GetDlgItem(id);
    if (!c) return;
    if (c->kind == ControlKind::RadioButton && checked) {
        for (Control& other : controls_)
            if (other.kind == ControlKind::RadioButton && other.group == c->group) other.checked = 0;
    }
    c->checked = checked;
}

int Dialog::IsDlgButtonChecked(int id) const {
    const Control* c = GetDlgItem(id);
    return c ? c->checked : 0;
}

void Dialog::SetProgressPos(int id, int percent) {
    Control* c = GetDlgItem(id);
    if (!c) return;
    percent = std::clamp(percent, 0, 100);
    if (c->position == percent) return;
    c->position = percent;
    Changed(*c);
}

int Dialog::AddListItem(int id, const std::string& item) {
    Control* c = GetDlgItem(id);
    if (!c) return -1;
    c->items.push_back(item);
    c->selected.push_back(false);
    return static_cast<int>(c->items.size()) - 1;
}

void Dialog::DeleteListItem(int id, int index) {
    Control* c = GetDlgItem(id);
    if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return;
    c->items.erase(c->items.begin() + index);
    c->selected.erase(c->selected.begin() + index);
    if (c->caret >= static_cast<int>(c->items.size())) c->caret = static_cast<int>(c->items.size()) - 1;
}

void Dialog::SetListSelection(int id, int index, bool selected) {
    Control* c = GetDlgItem(id);
    if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return;
    if (!c->multiSelect && selected) std::fill(c->selected.begin(), c->selected.end(), false);
    c->selected[index] = selected;
    c->caret = index;
}

std::vector<int> Dialog::ListSelection(int id) const {
    std::vector<int> result;
    const Control* c = GetDlgItem(id);
    if (!c) return result;
    for (size_t i = 0; i < c->selected.size(); ++i)
        if (c->selected[i]) result.push_back(static_cast<int>(i));
    return result;
}

bool Dialog::UpdateData(bool saveAndValidate) {
    DataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    return true;
}

bool Dialog::Create(DialogRenderer* renderer) {
    renderer_ = renderer ? renderer : &ModelessRenderer();
    ended_ = false;
    OnInitDialog();
    visible_ = true;
    renderer_->Render(*this);
    return true;
}

void Dialog::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    if (visible_ && renderer_) renderer_->Hidden(*this);
    visible_ = false;
}

void Dialog::OnOK() {
    UpdateData(true);
    EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

bool Dialog::ExecuteCommand(const std::string& line, std::ostream& out) {
    std::istringstream words(line);
    std::string verb;
    words >> verb;
    if (verb.empty()) return true;
    if (verb == "ok") { OnOK(); return true; }
    if (verb == "escape" || verb == "cancel") { OnCancel(); return true; }
    if (verb == "close") { OnClose(); return true; }
    if (verb == "show") { if (renderer_) renderer_->Render(*this); return true; }
    if (verb == "help") { out << kStandardHelp << ExtraCommandHelp(); return true; }

    int id = 0;
    bool hasId = static_cast<bool>(words >> id);
    Control* c = hasId ? GetDlgItem(id) : nullptr;
    bool standard = verb == "press" || verb == "check" || verb == "uncheck" || verb == "set" ||
                    verb == "select" || verb == "deselect";
    if (!standard) {
        if (OnExtraCommand(line, out)) return true;
        out << "unknown command: " << line << "\n" << kStandardHelp << ExtraCommandHelp();
        return false;
    }
    if (!c) { out << "no control " << (hasId ? std::to_string(id) : std::string("(missing id)")) << "\n"; return false; }
    if (!c->visible || !c->enabled) { out << "control " << id << " is not available\n"; return false; }

    if (verb == "press") {
        if (c->kind != ControlKind::Button) { out << "control " << id << " is not a button\n"; return false; }
        if (id == IDOK) OnOK();
        else if (id == IDCANCEL) OnCancel();
        else OnCommand(id);
        return true;
    }
    if (verb == "check" || verb == "uncheck") {
        if (c->kind != ControlKind::CheckBox && c->kind != ControlKind::RadioButton) {
            out << "control " << id << " is not a check box or radio button\n";
            return false;
        }
        if (verb == "uncheck" && c->kind == ControlKind::RadioButton) {
            out << "a radio button is unchecked by checking another\n";
            return false;
        }
        CheckDlgButton(id, verb == "check" ? 1 : 0);
        OnCommand(id);
        return true;
    }
    if (verb == "set") {
        if (c->kind != ControlKind::Edit) { out << "control " << id << " is not an edit\n"; return false; }
        std::string rest;
        std::getline(words, rest);
        if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
        c->text = rest;
        OnCommand(id);
        return true;
    }
    // select / deselect
    if (c->kind != ControlKind::ListBox) { out << "control " << id << " is not a list\n"; return false; }
    int index = -1;
    if (!(words >> index) || index < 0 || index >= static_cast<int>(c->items.size())) {
        out << "no item " << index << " in list " << id << "\n";
        return false;
    }
    SetListSelection(id, index, verb == "select");
    OnCommand(id);
    return true;
}

int Dialog::DoModal(std::istream& in, std::ostream& out) {
    ConsoleRenderer console(out);
    renderer_ = &console;
    ended_ = false;
    endedByInput_ = false;
    result_ = IDCANCEL;
    OnInitDialog();
    visible_ = true;
    std::string line;
    while (!ended_) {
        console.Render(*this);
        out << "> " << std::flush;
        if (!ReadCommandLine(in, line, out)) {
            out << "\n";
            endedByInput_ = true;
            OnClose();
            if (!ended_) EndDialog(IDCANCEL);
            break;
        }
        if (!ExecuteCommand(line, out)) CountRefusal();
    }
    visible_ = false;
    renderer_ = nullptr;
    return result_;
}

}  // namespace platform
