#include "store/TreeDump.h"

#include <cstdio>

namespace tf {
namespace {

// Length of the valid UTF-8 sequence at `i`, 0 when there is none.
std::size_t Utf8Length(const std::string& s, std::size_t i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  std::size_t len = c < 0x80           ? 1
                    : (c >> 5) == 0x6  ? 2
                    : (c >> 4) == 0xE  ? 3
                    : (c >> 3) == 0x1E ? 4
                                       : 0;
  if (len == 0 || i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  return len;
}

void AppendFields(std::string& out, const TBoneFieldList& fields) {
  out += '[';
  for (int i = 0; i < fields.Count(); ++i) {
    const TBoneField* field = fields.FieldByIndex(i);
    if (i > 0) out += ',';
    out += '[' + JsonQuote(field->FieldName()) + ',' + JsonQuote(field->KindName()) + ',' +
           JsonQuote(field->AsString()) + ']';
  }
  out += ']';
}

void AppendObject(std::string& out, const TBone& bone);

void AppendList(std::string& out, const TBoneBaseList<TBone>& list) {
  out += '[';
  for (int i = 0; i < list.Count(); ++i) {
    if (i > 0) out += ',';
    AppendObject(out, *list.GetItem(i));
  }
  out += ']';
}

void AppendObject(std::string& out, const TBone& bone) {
  out += "{\"name\":" + JsonQuote(bone.Name());
  out += ",\"kind\":" + JsonQuote(bone.GetKindName());
  out += std::string(",\"deleted\":") + (bone.Deleted ? "true" : "false");
  out += std::string(",\"modified\":") + (bone.GetModified() ? "true" : "false");
  out += ",\"template\":" + JsonQuote(bone.DisplayTemplate());
  out += ",\"fields\":";
  AppendFields(out, bone.Fields());
  out += ",\"listFields\":";
  AppendFields(out, bone.ListFields());
  out += ",\"rows\":";
  AppendList(out, bone.Rows());
  out += ",\"children\":";
  AppendList(out, bone.Children());
  out += '}';
}

}  // namespace

std::string JsonQuote(const std::string& text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    const std::size_t len = Utf8Length(text, i);
    if (len == 0) {
      out += "\\ufffd";
      ++i;
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
      out += buf;
    } else {
      out.append(text, i, len);
    }
    i += len;
  }
  return out + "\"";
}

std::string DumpTreeJson(const TBone& root) {
  std::string out;
  AppendObject(out, root);
  return out;
}

}  // namespace tf
