// The output options of GO: output parent directory, one of four output
// organisations, push pins (and the address-range choice, kept disabled).
#pragma once

#include "platform/dialog.h"

#include <iosfwd>
#include <string>

namespace frontend {

class COutputOptionsDlg : public platform::Dialog {
public:
    static constexpr int kTemplateId = 103;
    static constexpr int kExplanationId = 10;
    static constexpr int kOrganisationGroupId = 20;
    static constexpr int kFirstOrganisationId = 21;  // index i: kFirstOrganisationId + i
    static constexpr int kDirectoryLabelId = 30;
    static constexpr int kDirectoryId = 31;
    static constexpr int kBrowseId = 32;
    static constexpr int kPushPinsId = 40;
    static constexpr int kAddressGroupId = 50;
    static constexpr int kAddressTextId = 51;
    static constexpr int kFirstAddressId = 52;  // index 0 numbers, 1 characters

    // `in` and `out` serve the folder picker and the message boxes.
    COutputOptionsDlg(std::istream& in, std::ostream& out);

    int organisation = 0;
    std::string directory;
    int addressRanges = 0;
    int pushPins = 0;

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    void OnCommand(int id) override;
    void OnBrowseOutputDir();

protected:
    void DoDataExchange(platform::DataExchange& dx) override;

private:
    void StoreChoices();
    std::istream& in_;
    std::ostream& out_;
};

}  // namespace frontend
