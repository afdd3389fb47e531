// Wide text helpers. All text inside tolvex is made of 16-bit characters;
// conversions to and from narrow text never use a code page: a byte becomes the
// character of the same value and a character becomes its low 8 bits.
#pragma once

#include <string>
#include <string_view>

using wchar = char16_t;

// Heap strings in the zero-terminated form the reporters pass around. Every
// string returned is new and released with coco_string_delete.
wchar* coco_string_create(const wchar* value);
wchar* coco_string_create(const wchar* value, int startIndex, int length);
wchar* coco_string_create(const char* value);
wchar* coco_string_create_upper(const wchar* data);
wchar* coco_string_create_lower(const wchar* data);
wchar* coco_string_create_lower(const wchar* data, int startIndex, int dataLen);
wchar* coco_string_create_append(const wchar* data1, const wchar* data2);
wchar* coco_string_create_append(const wchar* target, wchar appendix);
char* coco_string_create_char(const wchar* value);
void coco_string_merge(wchar*& target, const wchar* appendix);
void coco_string_delete(wchar*& data);
void coco_string_delete(char*& data);
int coco_string_length(const wchar* data);
bool coco_string_equal(const wchar* data1, const wchar* data2);
int coco_string_compareto(const wchar* data1, const wchar* data2);
int coco_string_indexof(const wchar* data, wchar value);
int coco_string_lastindexof(const wchar* data, wchar value);
bool coco_string_endswith(const wchar* data, const wchar* end);
int coco_string_hash(const wchar* data);

namespace Tolvex {

using wstring = std::u16string;
using wstring_view = std::u16string_view;

std::string getstring(wstring_view s);
wstring getwstring(std::string_view s);
std::string getstring(const std::string& s);
wstring getwstring(const wstring& s);

// Path separators become '/', the separator of this platform; nothing else changes.
std::string normalizePath(std::string path);
// The leading part of path up to and including its last '/' or '\\'; empty when
// it has neither.
std::string getBaseDirectory(const std::string& path);

// Decimal text of a value, for the numbers that the parser splices into the text.
wstring decimal(int value);

} // namespace Tolvex
