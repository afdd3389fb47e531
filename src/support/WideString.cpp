#include "support/WideString.h"

#include <algorithm>
#include <cstring>

namespace {

wchar* allocate(size_t len) {
  wchar* s = new wchar[len + 1];
  s[len] = 0;
  return s;
}

wchar* copyOf(const wchar* value, size_t len) {
  wchar* s = allocate(len);
  std::copy(value, value + len, s);
  return s;
}

wchar asciiUpper(wchar c) { return c >= 'a' && c <= 'z' ? wchar(c - 'a' + 'A') : c; }
wchar asciiLower(wchar c) { return c >= 'A' && c <= 'Z' ? wchar(c - 'A' + 'a') : c; }

} // namespace

int coco_string_length(const wchar* data) {
  if (!data)
    return 0;
  int n = 0;
  while (data[n])
    ++n;
  return n;
}

wchar* coco_string_create(const wchar* value) {
  return copyOf(value ? value : u"", coco_string_length(value));
}

wchar* coco_string_create(const wchar* value, int startIndex, int length) {
  if (length < 0)
    length = 0;
  wchar* s = allocate(length);
  std::fill(s, s + length, 0);
  if (value) {
    for (int i = 0; i < length && value[startIndex + i]; ++i)
      s[i] = value[startIndex + i];
  }
  return s;
}

// Bytes widen unsigned, so names with bytes above 0x7F survive a round trip.
wchar* coco_string_create(const char* value) {
  size_t len = value ? std::strlen(value) : 0;
  wchar* s = allocate(len);
  for (size_t i = 0; i < len; ++i)
    s[i] = static_cast<unsigned char>(value[i]);
  return s;
}

wchar* coco_string_create_upper(const wchar* data) {
  if (!data)
    return nullptr;
  wchar* s = coco_string_create(data);
  for (wchar* p = s; *p; ++p)
    *p = asciiUpper(*p);
  return s;
}

wchar* coco_string_create_lower(const wchar* data) {
  if (!data)
    return nullptr;
  return coco_string_create_lower(data, 0, coco_string_length(data));
}

wchar* coco_string_create_lower(const wchar* data, int startIndex, int dataLen) {
  if (!data)
    return nullptr;
  wchar* s = allocate(dataLen);
  for (int i = 0; i < dataLen; ++i)
    s[i] = asciiLower(data[startIndex + i]);
  return s;
}

wchar* coco_string_create_append(const wchar* data1, const wchar* data2) {
  int len1 = coco_string_length(data1), len2 = coco_string_length(data2);
  wchar* s = allocate(len1 + len2);
  if (len1)
    std::copy(data1, data1 + len1, s);
  if (len2)
    std::copy(data2, data2 + len2, s + len1);
  return s;
}

wchar* coco_string_create_append(const wchar* target, wchar appendix) {
  int len = coco_string_length(target);
  wchar* s = allocate(len + 1);
  if (len)
    std::copy(target, target + len, s);
  s[len] = appendix;
  return s;
}

char* coco_string_create_char(const wchar* value) {
  int len = coco_string_length(value);
  char* s = new char[len + 1];
  for (int i = 0; i < len; ++i)
    s[i] = static_cast<char>(value[i] & 0xFF);
  s[len] = 0;
  return s;
}

void coco_string_merge(wchar*& target, const wchar* appendix) {
  if (!appendix)
    return;
  wchar* merged = coco_string_create_append(target, appendix);
  delete[] target;
  target = merged;
}

void coco_string_delete(wchar*& data) {
  delete[] data;
  data = nullptr;
}

void coco_string_delete(char*& data) {
  delete[] data;
  data = nullptr;
}

bool coco_string_equal(const wchar* data1, const wchar* data2) {
  return coco_string_compareto(data1, data2) == 0;
}

int coco_string_compareto(const wchar* data1, const wchar* data2) {
  const wchar* a = data1 ? data1 : u"";
  const wchar* b = data2 ? data2 : u"";
  while (*a && *a == *b)
    ++a, ++b;
  return int(*a) - int(*b);
}

int coco_string_indexof(const wchar* data, wchar value) {
  for (int i = 0; data && data[i]; ++i)
    if (data[i] == value)
      return i;
  return -1;
}

int coco_string_lastindexof(const wchar* data, wchar value) {
  int found = -1;
  for (int i = 0; data && data[i]; ++i)
    if (data[i] == value)
      found = i;
  return found;
}

bool coco_string_endswith(const wchar* data, const wchar* end) {
  int len = coco_string_length(data), endLen = coco_string_length(end);
  return endLen <= len && std::equal(end, end + endLen, data + len - endLen);
}

int coco_string_hash(const wchar* data) {
  uint32_t h = 0; // wraps like the 32-bit signed arithmetic it stands for
  for (const wchar* p = data; p && *p; ++p)
    h = (h * 7) ^ *p;
  int32_t s = static_cast<int32_t>(h);
  return s < 0 ? static_cast<int>(0u - h) & 0x7FFFFFFF : s;
}

namespace Tolvex {

std::string getstring(wstring_view s) {
  std::string out(s.size(), '\0');
  for (size_t i = 0; i < s.size(); ++i)
    out[i] = static_cast<char>(s[i] & 0xFF);
  return out;
}

wstring getwstring(std::string_view s) {
  wstring out(s.size(), u'\0');
  for (size_t i = 0; i < s.size(); ++i)
    out[i] = static_cast<unsigned char>(s[i]);
  return out;
}

std::string getstring(const std::string& s) { return s; }
wstring getwstring(const wstring& s) { return s; }

std::string normalizePath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::string getBaseDirectory(const std::string& path) {
  size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

wstring decimal(int value) {
  wchar buf[12];
  wchar* end = buf + sizeof buf / sizeof *buf;
  wchar* p = end;
  // Negated as unsigned, so INT_MIN has its digits too.
  unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
  do
    *--p = wchar(u'0' + magnitude % 10);
  while (magnitude /= 10);
  if (value < 0)
    *--p = u'-';
  return wstring(p, end);
}

} // namespace Tolvex
