#include "base/Guid.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <exception>
#include <random>

namespace tf {
namespace {

std::mt19937_64 SeededGenerator() {
  std::array<std::uint32_t, 8> words{};
  try {
    std::random_device device;
    for (auto& word : words) word = device();
  } catch (const std::exception&) {
    // No entropy source on this system: the clock still keeps runs apart.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    words[0] = static_cast<std::uint32_t>(ticks);
    words[1] = static_cast<std::uint32_t>(static_cast<std::uint64_t>(ticks) >> 32);
  }
  std::seed_seq seed(words.begin(), words.end());
  return std::mt19937_64(seed);
}

void AppendHex(std::string& out, std::uint64_t value, int digits) {
  static const char kDigits[] = "0123456789ABCDEF";
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

}  // namespace

std::string NewGuid() {
  thread_local std::mt19937_64 generator = SeededGenerator();
  const std::uint64_t high = (generator() & ~0xF000ULL) | 0x4000ULL;           // version 4
  const std::uint64_t low = (generator() & ~(0x3ULL << 62)) | (0x2ULL << 62);  // RFC variant
  std::string text = "{";
  AppendHex(text, high >> 32, 8);
  text += '-';
  AppendHex(text, high >> 16, 4);
  text += '-';
  AppendHex(text, high, 4);
  text += '-';
  AppendHex(text, low >> 48, 4);
  text += '-';
  AppendHex(text, low, 12);
  text += '}';
  return text;
}

}  // namespace tf
