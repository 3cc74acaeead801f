// The About box's layout and its one command.
#include "ui/frm_about.h"

namespace quillon {
namespace {

const Font kTitleFont{"Tahoma", 9.75};
const Font kTextFont{"Tahoma", 8.25};
constexpr Color kBlue{0, 0, 255};

}  // namespace

frmAbout::frmAbout(WindowSystem& windows)
    : window_(windows.CreateWindow("About Quillon", {4545, 3045})) {
  window_->AddButton("cmdOk", {1860, 2520, 855, 375}, "&Ok", [this] { cmdOk_Click(); });
  window_->AddLabel("Label1", {300, 120, 3975, 315}, "Quillon (c) Quillon Software Works",
                    kTitleFont, std::nullopt);
  window_->AddLabel("Label2", {300, 600, 1515, 315}, "Written by Jo Quill", kTextFont,
                    std::nullopt);
  window_->AddLabel("Label3", {1920, 600, 2355, 315}, "jo.quill@quillon.example", kTextFont,
                    kBlue);
  window_->AddLabel("Label4", {300, 1020, 2175, 315}, "Check out Quillon at", kTextFont,
                    std::nullopt);
  window_->AddLabel("Label5", {300, 1260, 3195, 315}, "http://www.quillon.example/", kTextFont,
                    kBlue);
}

void frmAbout::Show() {
  window_->MoveClientArea(1365, 1620);
  window_->ShowModal();
}

void frmAbout::cmdOk_Click() { window_->Unload(); }

}  // namespace quillon
