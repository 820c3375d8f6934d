// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serial_devices.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>

#include "serial_link.h"

namespace alacrity {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view DevPrefix = "/dev/";

// A "/dev/..." path inside the device root; other paths stay as they are.
fs::path InDevRoot(const std::string& path, const DeviceRoots& roots) {
  if (path.compare(0, DevPrefix.size(), DevPrefix) != 0) return path;
  return fs::path(roots.dev) / path.substr(DevPrefix.size());
}

std::optional<int> ReadNumber(const fs::path& file) {
  std::ifstream in(file);
  std::string text;
  if (!in || !std::getline(in, text)) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data()) return std::nullopt;
  return value;
}

// The number after `prefix` in a node name ("ttyUSB12" -> 12), or nothing
// when the rest is not all digits.
std::optional<int> NodeNumber(const std::string& name, std::string_view prefix) {
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) {
    return std::nullopt;
  }
  int value = 0;
  const char* first = name.data() + prefix.size();
  const char* last = name.data() + name.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

std::mutex g_assignmentMutex;
std::array<std::string, SerialPortCount> g_assignments;

}  // namespace

std::vector<std::string> ListSerialDevices(const DeviceRoots& roots) {
  std::vector<std::string> devices;
  std::error_code error;

  std::vector<std::string> byId;
  for (const auto& entry : fs::directory_iterator(fs::path(roots.dev) / "serial/by-id", error)) {
    byId.push_back("/dev/serial/by-id/" + entry.path().filename().string());
  }
  std::sort(byId.begin(), byId.end());
  devices.insert(devices.end(), byId.begin(), byId.end());

  for (const std::string_view prefix : {"ttyUSB", "ttyACM", "ttyS"}) {
    std::vector<std::pair<int, std::string>> nodes;
    for (const auto& entry : fs::directory_iterator(roots.dev, error)) {
      const std::string name = entry.path().filename().string();
      const auto number = NodeNumber(name, prefix);
      if (!number) continue;
      if (prefix == "ttyS") {
        const auto type = ReadNumber(fs::path(roots.sys) / "class/tty" / name / "type");
        if (type && *type == 0) continue;  // no UART behind the node
      }
      nodes.emplace_back(*number, "/dev/" + name);
    }
    std::sort(nodes.begin(), nodes.end());
    for (auto& node : nodes) devices.push_back(std::move(node.second));
  }
  return devices;
}

std::string SerialDeviceTarget(const std::string& path, const DeviceRoots& roots) {
  std::error_code error;
  const fs::path resolved = fs::canonical(InDevRoot(path, roots), error);
  if (error) return path;
  const fs::path devRoot = fs::canonical(roots.dev, error);
  if (error) return path;
  const fs::path relative = resolved.lexically_relative(devRoot);
  if (relative.empty() || *relative.begin() == "..") return path;
  return "/dev/" + relative.string();
}

void AssignSerialDevice(int index, const std::string& path) {
  if (index < 0 || index >= SerialPortCount) return;
  const std::lock_guard lock(g_assignmentMutex);
  g_assignments[static_cast<std::size_t>(index)] = path;
}

std::string AssignedSerialDevice(int index) {
  if (index < 0 || index >= SerialPortCount) return "";
  const std::lock_guard lock(g_assignmentMutex);
  return g_assignments[static_cast<std::size_t>(index)];
}

LatencyTimerCheck LowerLatencyTimer(const std::string& device, const DeviceRoots& roots) {
  LatencyTimerCheck check;
  const std::string target = SerialDeviceTarget(device, roots);
  const std::string tty = fs::path(target).filename().string();
  if (!NodeNumber(tty, "ttyUSB")) return check;
  // Only ftdi_sio gives its ports this attribute.
  const std::string timerFile = "/sys/bus/usb-serial/devices/" + tty + "/latency_timer";
  const fs::path file = fs::path(roots.sys) / ("bus/usb-serial/devices/" + tty + "/latency_timer");
  const auto ms = ReadNumber(file);
  if (!ms) return check;

  check.tty = tty;
  check.timerFile = timerFile;
  check.ms = *ms;
  if (*ms <= 1) {
    check.state = LatencyTimer::Fast;
    return check;
  }
  // Written with one write() as sysfs wants it; the kernel refuses what it
  // does not accept, so the value is read back rather than assumed.
  const int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC);
  bool written = false;
  if (fd != -1) {
    written = ::write(fd, "1\n", 2) == 2;
    ::close(fd);
  }
  check.state = written && ReadNumber(file) == 1 ? LatencyTimer::MadeFast : LatencyTimer::Slow;
  return check;
}

std::string LatencyTimerAdvice(const LatencyTimerCheck& check) {
  if (check.state != LatencyTimer::Slow) return "";
  const std::string ms = std::to_string(check.ms);
  return "The latency timer of the converter " + check.tty + " is " + ms +
         " ms: it holds received bytes back that long, so each new phase of a test reaches "
         "the screen up to " + ms +
         " ms late. The program may not change it. Install the package's udev rule and "
         "replug the converter (the rule sets 1 ms), or set it until the next replug with:\n"
         "echo 1 | sudo tee " + check.timerFile;
}

}  // namespace alacrity
