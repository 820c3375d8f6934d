// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records.h"

#include "enums.h"

namespace alacrity {

namespace {

// The colour fields are stored square, circle, triangle, cross, which is not
// the ObjectKind order; mapping by name keeps the two orders from mixing.
template <typename Record>
int32_t ColorOf(const Record& record, int32_t object) {
  switch (static_cast<ObjectKind>(object)) {
    case ObjectKind::Circle:
      return record.circleColor;
    case ObjectKind::Cross:
      return record.crossColor;
    case ObjectKind::Square:
      return record.squareColor;
    case ObjectKind::Triangle:
      return record.triangleColor;
    case ObjectKind::None:
      break;
  }
  return -1;
}

}  // namespace

int32_t ShapeColor(const TestConfiguration& configuration, int32_t object) {
  return ColorOf(configuration, object);
}

int32_t ShapeColor(const ProtocolHeader& header, int32_t object) { return ColorOf(header, object); }

}  // namespace alacrity
