#include "inspect/reference_reach.h"

namespace lumo {

ReferenceDiagnosis DiagnoseReference(std::int32_t id, const std::vector<ControlRow>& controls) {
  ReferenceDiagnosis diagnosis;
  for (const ControlRow& control : controls) {
    if (control.Id != id) {
      continue;
    }
    if (control.Parent == 0) {
      return {ReferenceReach::Readable, &control};
    }
    if (diagnosis.Control == nullptr) {
      diagnosis = {ReferenceReach::InsidePanel, &control};
    }
  }
  return diagnosis;
}

std::string ReferenceNote(std::int32_t id, const ReferenceDiagnosis& diagnosis) {
  const std::string reference = "<%" + std::to_string(id) + "%>";
  switch (diagnosis.Reach) {
    case ReferenceReach::Readable:
      return {};
    case ReferenceReach::InsidePanel:
      return "  ! " + reference + " reads empty: control " + std::to_string(id) + " lies inside %" +
             std::to_string(diagnosis.Control->Parent) +
             ", and <%ID%> reaches only the window's own children.\n    A hotkey command "
             "reaches it as %" +
             std::to_string(diagnosis.Control->Number) +
             "; or copy it to the display with a [TIMER.ACTIONn] region.\n";
    case ReferenceReach::Missing:
      break;
  }
  return "  ! " + reference + " reads empty: the window has no control " + std::to_string(id) +
         " (run lumo-inspect.exe <caption> to list them).\n";
}

}  // namespace lumo
