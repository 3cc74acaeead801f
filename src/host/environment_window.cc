// The environment stand-in window: its layout, the add-in's connection over the window's
// life, and the Add-Ins menu kept in step with the items that add-ins put on it.
#include "host/environment_window.h"

#include <utility>
#include <vector>

#include "host/type_library.h"

namespace quillon {

EnvironmentWindow::EnvironmentWindow(WindowSystem& windows, const ClassRegistry& registry,
                                     std::shared_ptr<ProjectFileApplication> app)
    : windows_(windows),
      registry_(registry),
      app_(std::move(app)),
      window_(windows.CreateWindow(EnvironmentTitle(*app_), {7200, 3000})) {
  BuildWindow();
  window_->SetLoadHandler([this] { Form_Load(); });
  window_->SetUnloadHandler([this](int16_t& cancel) { Form_Unload(cancel); });
}

void EnvironmentWindow::BuildWindow() {
  Menu& mnuFile = window_->AddMenu("mnuFile", "&File");
  mnuFile.AddItem("mnuExit", "E&xit", [this] { window_->Unload(); });
  mnuAddIns = &window_->AddMenu("mnuAddIns", "Add-&Ins");
  lstComponents = &window_->AddListBox("lstComponents", {60, 60, 7080, 2880});
}

void EnvironmentWindow::Show() { window_->ShowModal(); }

void EnvironmentWindow::Form_Load() {
  ListComponents();
  ConnectAddIn();
  RefreshAddInsMenu();
}

// The add-in is disconnected and released whichever way the window closes; the
// environment never refuses to close.
void EnvironmentWindow::Form_Unload(int16_t& /*cancel*/) {
  DisconnectAddIn();
  RefreshAddInsMenu();
}

void EnvironmentWindow::ListComponents() {
  if (const auto error = app_->LoadError()) {
    lstComponents->AddItem("The project could not be opened: Error " +
                           std::to_string(error->number()) + ", " + error->description());
    return;
  }
  for (const auto& [name, path] : app_->ComponentList()) lstComponents->AddItem(name + ": " + path);
}

// ConnectAddIn reports its own failures; only the creation can fail here.
void EnvironmentWindow::ConnectAddIn() {
  try {
    addin_ = registry_.CreateObject(kQlnClassIdentity.prog_id);
    std::shared_ptr<VBApplication> application = app_;
    addin_->ConnectAddIn(application);
  } catch (const RuntimeError& error) {
    addin_.reset();
    ReportFailure(error);
  }
}

void EnvironmentWindow::DisconnectAddIn() {
  if (!addin_) return;
  try {
    addin_->DisconnectAddIn(0);
  } catch (const RuntimeError& error) {
    ReportFailure(error);
  }
  addin_.reset();
}

void EnvironmentWindow::AddInItem_Click(size_t index) {
  try {
    app_->ClickMenuItem(index);
  } catch (const RuntimeError& error) {
    ReportFailure(error);
  }
}

void EnvironmentWindow::RefreshAddInsMenu() {
  mnuAddIns->Clear();
  const std::vector<std::string> captions = app_->MenuCaptions();
  for (size_t i = 0; i < captions.size(); ++i) {
    mnuAddIns->AddItem("mnuAddIn" + std::to_string(i), captions[i],
                       [this, i] { AddInItem_Click(i); });
  }
}

void EnvironmentWindow::ReportFailure(const RuntimeError& error) {
  failed_ = true;
  windows_.Show(EnvironmentErrorText(error), MsgBoxIcon::kNone, kEnvironmentTitle);
}

std::string EnvironmentTitle(const ProjectFileApplication& app) {
  const std::string project = app.LoadError() ? std::string("No project") : app.ProjectName();
  return project + " - " + kEnvironmentTitle;
}

std::string EnvironmentErrorText(const RuntimeError& error) {
  return std::string(kQlnClassIdentity.prog_id) + ": Error " + std::to_string(error.number()) +
         ", " + error.description();
}

}  // namespace quillon
