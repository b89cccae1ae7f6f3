#pragma once
// What the fuzz targets share: the libFuzzer entry point, a scratch folder of the process, a
// check that stops the run on a broken promise, and a small document to start from.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/model_host.h"
#include "model/schedule_data.h"
#include "platform/core/cstring.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// A file of the given name in the process's own scratch folder (made on first use).
CString ScratchFile(const char* name);
// Writes the bytes to the file; stops the run when it cannot.
void WriteScratchFile(const CString& path, const std::uint8_t* data, std::size_t size);
void WriteScratchFile(const CString& path, const std::string& bytes);
// Stops the run with the message when the condition does not hold, so that the fuzzer keeps
// the input and the replay fails.
void Check(bool condition, const char* message);

// A small dated plan in the file format (UTF-8 text): entities with windows, an activity, an
// entry, an absence and a chime set.
extern const char* const kFuzzBaseDocument;

// The services of a store that asks nobody: settings in memory, cautious answers, a clipboard
// of the process.
struct CFuzzServices {
    CFuzzServices();
    ModelServices Get();

    CMemoryAppSettings m_settings;
    CCautiousAnswerer m_answerer;
    CMemoryClipboard m_clipboard;
};

// Loads the base document into the store; stops the run when it does not load.
void LoadBaseDocument(CScheduleData& store);
// The document's text as saving writes it (writing settles what saving settles).
CString DocumentText(CScheduleData& store);
