// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a register operation tells its caller. Expected failures (a busy or
// broken database, a directory that cannot be made) come back as a message
// for the operator, never as an exception.

#include <QString>
#include <optional>
#include <utility>

namespace prsrg {

struct [[nodiscard]] Status {
  bool ok = true;
  QString message;  // set when !ok

  static Status Success() { return {}; }
  static Status Failure(QString text) { return {false, std::move(text)}; }
};

template <typename T>
struct [[nodiscard]] Result {
  std::optional<T> value;
  QString message;  // set when value is empty

  static Result Of(T v) { return {std::move(v), {}}; }
  static Result Failure(QString text) { return {std::nullopt, std::move(text)}; }
  static Result Failure(const Status& status) { return {std::nullopt, status.message}; }

  bool Ok() const { return value.has_value(); }
  Status ToStatus() const { return Ok() ? Status::Success() : Status::Failure(message); }
};

}  // namespace prsrg
