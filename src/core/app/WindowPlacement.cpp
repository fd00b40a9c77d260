#include "app/WindowPlacement.h"

#include <algorithm>
#include <charconv>

namespace tf {
namespace {

int ReadValue(TPreferenceStore& store, const std::string& name, int current) {
  const std::string text = store.ReadSetting(name);
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || ptr != end) return current;
  return value;
}

bool Within(int value, int low, int high) {
  return value >= low && value <= high;
}

// Moves `start` so that [start, start + size) ends inside the area, never
// before the area's own start.
int PullInside(int start, int size, int areaStart, int areaSize) {
  const int overflow = start + size - (areaStart + areaSize);
  if (overflow > 0) start -= overflow;
  return std::max(start, areaStart);
}

}  // namespace

TWindowRect ReadWindowPlacement(TPreferenceStore& store, const std::string& className,
                                const TWindowRect& current) {
  TWindowRect stored;
  stored.Top = ReadValue(store, className + "_T", current.Top);
  stored.Left = ReadValue(store, className + "_L", current.Left);
  stored.Width = ReadValue(store, className + "_W", current.Width);
  stored.Height = ReadValue(store, className + "_H", current.Height);
  return stored;
}

void WriteWindowPlacement(TPreferenceStore& store, const std::string& className,
                          const TWindowRect& placement) {
  store.WriteSetting(className + "_T", std::to_string(placement.Top));
  store.WriteSetting(className + "_L", std::to_string(placement.Left));
  store.WriteSetting(className + "_W", std::to_string(placement.Width));
  store.WriteSetting(className + "_H", std::to_string(placement.Height));
}

TWindowRect CorrectPlacement(const TWindowRect& stored, const TWindowRect& current,
                             const TWorkArea& area) {
  TWindowRect result;
  result.Top = Within(stored.Top, area.Top, area.Top + area.Height) ? stored.Top : current.Top;
  result.Left = Within(stored.Left, area.Left, area.Left + area.Width) ? stored.Left : current.Left;
  result.Width = Within(stored.Width, 0, area.Width) ? stored.Width : current.Width;
  result.Height = Within(stored.Height, 0, area.Height) ? stored.Height : current.Height;
  result.Top = PullInside(result.Top, result.Height, area.Top, area.Height);
  result.Left = PullInside(result.Left, result.Width, area.Left, area.Width);
  return result;
}

}  // namespace tf
