#include "TextOps.h"

#include <array>
#include <cstring>

namespace zorvel {
namespace {

constexpr std::array<unsigned char, 256> MakeUpperTable() {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c) table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c);
  for (int c = 'a'; c <= 'z'; ++c) table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c - 32);
  // Windows-1250 letters of Slovak and Czech (and ő, ü): lower -> upper.
  constexpr unsigned char pairs[][2] = {{154, 138}, {157, 141}, {158, 142}, {190, 188}, {224, 192}, {225, 193},
                                        {228, 196}, {229, 197}, {232, 200}, {233, 201}, {236, 204}, {237, 205},
                                        {239, 207}, {242, 210}, {243, 211}, {244, 212}, {245, 213}, {248, 216},
                                        {249, 217}, {250, 218}, {252, 220}, {253, 221}};
  for (const auto& pair : pairs) table[pair[0]] = pair[1];
  return table;
}

constexpr std::array<unsigned char, 256> kUpper = MakeUpperTable();

}  // namespace

std::string_view TrimControls(std::string_view text) {
  const auto control = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!text.empty() && control(text.front())) text.remove_prefix(1);
  while (!text.empty() && control(text.back())) text.remove_suffix(1);
  return text;
}

char UpperCaseCE(char c) { return static_cast<char>(kUpper[static_cast<unsigned char>(c)]); }

std::string UpperCaseCE(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = UpperCaseCE(c);
  return result;
}

std::string DeleteAll(std::string_view sub, std::string_view text) {
  if (sub.empty()) return std::string(text);
  if (sub.size() == 1) {  // the only case the reading of complex texts needs
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
      if (c != sub[0]) kept.push_back(c);
    }
    return kept;
  }
  // Removing the first occurrence again and again is the same as dropping an
  // occurrence the moment it is complete: the leftmost occurrence is always
  // the one that ends first, and the text kept so far never holds one.
  std::string kept;
  kept.reserve(text.size());
  for (const char c : text) {
    kept.push_back(c);
    if (kept.size() >= sub.size() && std::memcmp(kept.data() + kept.size() - sub.size(), sub.data(), sub.size()) == 0) {
      kept.resize(kept.size() - sub.size());
    }
  }
  return kept;
}

}  // namespace zorvel
