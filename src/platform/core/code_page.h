#pragma once
// Conversion between byte encodings ("code pages") and wide text.
//
// Wide text is wchar_t, which holds whole Unicode code points here (UTF-32); UTF-16 exists only as
// bytes at the borders (code pages 1200 and 1201). Code page 0 (the "ANSI" page) is Windows-1252.
// The Unicode pages and Windows-1252 are converted here; every other page goes through iconv.
// A code page that cannot be converted is a failure the caller sees (ERROR_INVALID_PARAMETER),
// never a silent substitute.
#include <string>
#include <string_view>

#include "platform/core/win_types.h"

constexpr UINT CP_ACP = 0;
constexpr UINT CP_OEMCP = 1;
constexpr UINT CP_MACCP = 2;
constexpr UINT CP_THREAD_ACP = 3;
constexpr UINT CP_UTF16LE = 1200;
constexpr UINT CP_UTF16BE = 1201;
constexpr UINT CP_UTF32LE = 12000;
constexpr UINT CP_UTF32BE = 12001;
constexpr UINT CP_UTF32 = 65005;  // the UTF-32 little-endian number of the XML file functions
constexpr UINT CP_UTF7 = 65000;
constexpr UINT CP_UTF8 = 65001;

constexpr DWORD MB_PRECOMPOSED = 0x01;
constexpr DWORD MB_COMPOSITE = 0x02;
constexpr DWORD MB_USEGLYPHCHARS = 0x04;
constexpr DWORD MB_ERR_INVALID_CHARS = 0x08;
constexpr DWORD WC_COMPOSITECHECK = 0x200;
constexpr DWORD WC_DISCARDNS = 0x10;
constexpr DWORD WC_SEPCHARS = 0x20;
constexpr DWORD WC_DEFAULTCHAR = 0x40;
constexpr DWORD WC_ERR_INVALID_CHARS = 0x80;
constexpr DWORD WC_NO_BEST_FIT_CHARS = 0x400;

constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_INVALID_FLAGS = 1004;
constexpr DWORD ERROR_NO_UNICODE_TRANSLATION = 1113;

// Bytes to wide characters. srcLen -1 takes src up to and including its NUL. With dstLen 0 only
// the needed length is returned. Returns 0 on failure; GetLastConversionError tells why.
// Without MB_ERR_INVALID_CHARS an invalid sequence becomes U+FFFD; with it the call fails.
int MultiByteToWideChar(UINT codePage, DWORD flags, const char* src, int srcLen, wchar_t* dst, int dstLen);

// Wide characters to bytes. A character the page cannot hold becomes defaultChar ("?" when null)
// and sets *usedDefaultChar. For UTF-7 and UTF-8 both must be null. Returns 0 on failure.
int WideCharToMultiByte(UINT codePage, DWORD flags, const wchar_t* src, int srcLen, char* dst, int dstLen,
                        const char* defaultChar, BOOL* usedDefaultChar);

// The error of the last failed conversion on this thread (ERROR_SUCCESS after a success).
DWORD GetLastConversionError();

// True when the code page can be converted on this system.
bool IsCodePageSupported(UINT codePage);

// Strict decoding: false (and out empty) when the page is unsupported or the bytes are not valid
// in it.
bool DecodeBytes(UINT codePage, std::string_view bytes, std::wstring& out);

// Encoding with "?" for characters the page cannot hold; *lost tells whether that happened.
// False (and out empty) only when the page cannot be converted at all.
bool EncodeText(UINT codePage, std::wstring_view text, std::string& out, bool* lost = nullptr);
