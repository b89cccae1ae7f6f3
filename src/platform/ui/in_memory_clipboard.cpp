#include "platform/ui/in_memory_clipboard.h"

CInMemoryClipboard::CInMemoryClipboard() : m_previous(SetClipboardBackend(this)) {}

CInMemoryClipboard::~CInMemoryClipboard() { SetClipboardBackend(m_previous); }
