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
      lstBox.AddItem("Date Analysing : " + component->Name() + ", " + component->FileNames(0));
      lstBox.Refresh();
      Analyse(component->FileNames(0), component->Name(), strLogFile);
    }
    lstBox.AddItem("Finished");
  } catch (const RuntimeError& error) {
    services_.messages.Show(ErrorPrompt("AnalyseProject", error));
  } catch (const std::bad_alloc&) {
    services_.messages.Show(ErrorPrompt("AnalyseProject", RuntimeError(kErrOutOfMemory)));
  }
}

}  // namespace quillon
