#include "platform/accessible_names.h"

#include <climits>

namespace kerumina::platform {

namespace {

// Taller labels are notes that wrap, not names.
constexpr int ONE_LINE = 10;

bool IsLabel(const ControlTemplate& t) {
  return t.kind == ControlKind::StaticText && (t.style & STYLE_SUNKEN) == 0 &&
         t.rect.height <= ONE_LINE && t.caption[0] != '\0';
}

bool TakesInput(ControlKind kind) {
  return kind != ControlKind::StaticText && kind != ControlKind::GroupBox;
}

bool Contains(const DluRect& outer, const DluRect& inner) {
  return inner.x >= outer.x && inner.y >= outer.y &&
         inner.x + inner.width <= outer.x + outer.width &&
         inner.y + inner.height <= outer.y + outer.height;
}

// The nearest label on the left whose line passes through the control's middle, with no
// other control between.
const ControlTemplate* RowLabel(const DialogTemplate& dialog, const DluRect& r) {
  const int middle = r.y + r.height / 2;
  const ControlTemplate* nearest = nullptr;
  int nearestRight = INT_MIN;
  for (const ControlTemplate& t : dialog.controls) {
    const int right = t.rect.x + t.rect.width;
    const bool onRow = t.rect.y <= middle && middle < t.rect.y + t.rect.height;
    if (t.kind == ControlKind::GroupBox || !onRow || right > r.x || right <= nearestRight) continue;
    nearest = &t;
    nearestRight = right;
  }
  return nearest != nullptr && IsLabel(*nearest) ? nearest : nullptr;
}

const ControlTemplate* Frame(const DialogTemplate& dialog, const DluRect& r) {
  const ControlTemplate* innermost = nullptr;
  for (const ControlTemplate& t : dialog.controls) {
    if (t.kind != ControlKind::GroupBox || !Contains(t.rect, r)) continue;
    if (innermost == nullptr || Contains(innermost->rect, t.rect)) innermost = &t;
  }
  return innermost;
}

// The label heading the control's column: going up from the control through the cells
// of its column (same left edge and width), the first label; none when something else
// stands in between.
const ControlTemplate* Heading(const DialogTemplate& dialog, const DluRect& r) {
  const int middle = r.x + r.width / 2;
  const ControlTemplate* frame = Frame(dialog, r);
  int top = r.y;
  for (;;) {
    const ControlTemplate* nearest = nullptr;
    for (const ControlTemplate& t : dialog.controls) {
      const bool overColumn = t.rect.x <= middle && middle < t.rect.x + t.rect.width;
      if (t.kind == ControlKind::GroupBox || !overColumn || t.rect.y >= top ||
          t.rect.y + t.rect.height > top || Frame(dialog, t.rect) != frame) {
        continue;
      }
      if (nearest == nullptr || t.rect.y > nearest->rect.y) nearest = &t;
    }
    if (nearest == nullptr) return nullptr;
    if (IsLabel(*nearest)) return nearest;
    if (nearest->rect.x != r.x || nearest->rect.width != r.width) return nullptr;
    top = nearest->rect.y;
  }
}

std::string NameOf(const DialogTemplate& dialog, const ControlTemplate& control) {
  if (!TakesInput(control.kind)) return {};
  if (control.caption[0] != '\0') return control.caption;
  std::string name;
  if (const ControlTemplate* row = RowLabel(dialog, control.rect)) name = row->caption;
  if (const ControlTemplate* heading = Heading(dialog, control.rect)) {
    name += (name.empty() ? "" : " ") + std::string(heading->caption);
  }
  if (name.empty()) {
    if (const ControlTemplate* frame = Frame(dialog, control.rect)) name = frame->caption;
  }
  return name;
}

}  // namespace

std::vector<std::string> AccessibleNames(const DialogTemplate& dialog) {
  std::vector<std::string> names;
  for (const ControlTemplate& control : dialog.controls) names.push_back(NameOf(dialog, control));
  return names;
}

}  // namespace kerumina::platform
