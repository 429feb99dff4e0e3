#pragma once
// Why a "<%ID%>" of a show or close command reads what it reads: it reaches only a direct
// child of the register window (GetDlgItem), never a control inside a panel.
#include <cstdint>
#include <string>
#include <vector>

#include "inspect/control_listing.h"

namespace lumo {

enum class ReferenceReach { Readable, InsidePanel, Missing };

struct ReferenceDiagnosis {
  ReferenceReach Reach = ReferenceReach::Missing;
  const ControlRow* Control = nullptr;  // the descendant with the ID, when there is one
};

// The first direct child with the ID is what GetDlgItem finds; else the first descendant.
ReferenceDiagnosis DiagnoseReference(std::int32_t id, const std::vector<ControlRow>& controls);

// A note for a reference that reads empty, starting with "  ! "; empty for a readable one.
std::string ReferenceNote(std::int32_t id, const ReferenceDiagnosis& diagnosis);

}  // namespace lumo
