// The run over every component of the open project, one Analyse call per component.
#include "analysis/date_analysis.h"

#include <new>

#include "host/object_model.h"
#include "runtime/run_error.h"

namespace quillon {
namespace {

VBApplication& Environment() {
  if (!objVBInst) throw RuntimeError(kErrObjectNotSet);
  return *objVBInst;
}

std::shared_ptr<VBProject> ActiveProject() {
  auto project = Environment().ActiveProject();
  if (!project) throw RuntimeError(kErrObjectNotSet);
  return project;
}

int32_t ComponentCount() {
  auto components = ActiveProject()->Components();
  if (!components) throw RuntimeError(kErrObjectNotSet);
  return components->Count();
}

std::shared_ptr<VBComponent> ComponentAt(int32_t position) {
  auto component = ActiveProject()->Components(position);
  if (!component) throw RuntimeError(kErrObjectNotSet);
  return component;
}

}  // namespace

void DateAnalysis::AnalyseProject(const std::string& strLogFile, ProgressList& lstBox) {
  try {
    lstBox.AddItem(std::to_string(ComponentCount()) + " Components found in project");
    const int32_t count = ComponentCount();
    for (int32_t position = 0; position < count; ++position) {
      services_.events.DoEvents();
      auto component = ComponentAt(position);
      // Each read is a statement of its own, so the environment sees them in this order.
      const std::string shown_name = component->Name();
      const std::string shown_path = component->FileNames(0);
      lstBox.AddItem("Date Analysing : " + shown_name + ", " + shown_path);
      lstBox.Refresh();
      const std::string path = component->FileNames(0);
      const std::string name = component->Name();
      Analyse(path, name, strLogFile);
    }
    lstBox.AddItem("Finished");
  } catch (const RuntimeError& error) {
    services_.messages.Show(ErrorPrompt("AnalyseProject", error));
  } catch (const std::bad_alloc&) {
    services_.messages.Show(ErrorPrompt("AnalyseProject", RuntimeError(kErrOutOfMemory)));
  }
}

}  // namespace quillon
