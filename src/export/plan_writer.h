// The frame every plan writer runs in: the sink with its error indicator,
// and the steps around a format's own lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

#include "common/fixed_text.h"
#include "export/export_kind.h"
#include "shell/context.h"

namespace rw {

// Where a writer puts its bytes. Once a write fails the error indicator
// stays set and later bytes are dropped, as the writers test it only after
// a record or a group of lines.
class PlanSink {
public:
    static constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

    virtual ~PlanSink() = default;

    // A line (or lines) of a text format: printf-style, and every "\n" goes
    // out as CR LF on every platform.
    void Print(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    void PutBytes(const void* data, std::size_t size);
    void PutUint32(std::uint32_t value);  // little-endian

    bool Failed() const
    {
        return failed_;
    }

    // The sink takes this many more bytes, then fails as a full disk does.
    void FailAfter(std::size_t bytes)
    {
        room_ = bytes;
    }

protected:
    // Takes every byte or answers false.
    virtual bool Take(const char* data, std::size_t size) = 0;

private:
    bool failed_ = false;
    std::size_t room_ = kNoLimit;
};

// A file opened for writing in binary mode, without a buffer, so that the
// error indicator is set by the write that failed.
class FileSink : public PlanSink {
public:
    FileSink() = default;
    ~FileSink() override;
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    // Creates path (replacing what it holds) or answers false.
    [[nodiscard]] bool Create(const std::string& path);
    // Closes the file; false when any write or the close failed.
    [[nodiscard]] bool Close();

protected:
    bool Take(const char* data, std::size_t size) override;

private:
    std::FILE* file_ = nullptr;
};

// A format's own lines: writes the current leg to sink, testing its error
// indicator where the format says; on an error that ends the plan, shows
// the format's write-error message and answers false. name is the plan's
// file name.
using PlanContent = bool (*)(Context& context, PlanSink& sink, std::string_view name);

// The writer frame around content: the format's extension for name and
// path, the no-name, already-exists and failed-to-create messages, writing
// to a temporary file in the target's folder, and putting it in place of
// the target only when it is complete, so a failed write leaves an earlier
// plan as it was. Clears RouteUnsaved on success. byteLimit: the temporary
// file takes this many bytes, then fails as a full disk does.
[[nodiscard]] bool WritePlanFile(Context& context, PathText& path, PathText& name, ExportKind kind,
                                 PlanContent content, std::size_t byteLimit = PlanSink::kNoLimit);

// Whether the file at path can be opened for reading.
bool PlanFileExists(const char* path);

// The prefix of the temporary files the frame writes beside their targets.
inline constexpr std::string_view kTemporaryPrefix = "~rwplan";

// Whole numbers from floating values, cut toward zero as the formats print
// them; values beyond the range of int stop at its ends, NaN gives 0.
int CutToInt(double value);

}  // namespace rw
