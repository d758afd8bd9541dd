// The writer frame and the sinks.
#include "export/plan_writer.h"

#include <cmath>
#include <cstdarg>
#include <string>

#include "common/texts.h"
#include "export/naming.h"
#include "export/plan_formats.h"

namespace rw {

void PlanSink::Print(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const std::string text = FormatPrintfV(format, args);
    va_end(args);

    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    PutBytes(out.data(), out.size());
}

void PlanSink::PutBytes(const void* data, std::size_t size)
{
    if (failed_ || size == 0) {
        return;
    }
    const char* bytes = static_cast<const char*>(data);
    const std::size_t taken = size < room_ ? size : room_;
    if (room_ != kNoLimit) {
        room_ -= taken;
    }
    if (taken != 0 && !Take(bytes, taken)) {
        failed_ = true;
        return;
    }
    if (taken < size) {
        failed_ = true;
    }
}

void PlanSink::PutUint32(std::uint32_t value)
{
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
        static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    PutBytes(bytes, sizeof bytes);
}

FileSink::~FileSink()
{
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool FileSink::Create(const std::string& path)
{
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr) {
        return false;
    }
    std::setvbuf(file_, nullptr, _IONBF, 0);
    return true;
}

bool FileSink::Close()
{
    if (file_ == nullptr) {
        return false;
    }
    const bool written = !Failed() && std::ferror(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return written && closed;
}

bool FileSink::Take(const char* data, std::size_t size)
{
    return file_ != nullptr && std::fwrite(data, 1, size, file_) == size;
}

bool PlanFileExists(const char* path)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

int CutToInt(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483647.0) {
        return 2147483647;
    }
    if (value <= -2147483648.0) {
        return -2147483647 - 1;
    }
    return static_cast<int>(value);
}

CurrentLeg::CurrentLeg(const RouteStore& route)
{
    static const LegInfo kNoLeg;
    if (route.currentLeg >= kMaxLegs) {
        info_ = &kNoLeg;
        return;
    }
    points_ = route.legs[route.currentLeg].points;
    info_ = &route.legInfo[route.currentLeg];
    count_ =
        static_cast<int>(info_->pointCount < kMaxLegPoints ? info_->pointCount : kMaxLegPoints);
}

const RoutePoint& CurrentLeg::Point(int index) const
{
    static const RoutePoint kNoPoint;
    return index >= 0 && index < count_ ? points_[index] : kNoPoint;
}

namespace {

// Creates a temporary file in the folder of target that no other file
// holds yet; its path goes to temporary.
bool CreateBeside(std::string_view target, FileSink& sink, std::string& temporary)
{
    const std::string folder(target.substr(0, FileNameStart(target)));
    for (int n = 0; n < 100; ++n) {
        std::string candidate = folder + std::string(kTemporaryPrefix) + std::to_string(n) + ".tmp";
        if (PlanFileExists(candidate.c_str())) {
            continue;
        }
        if (!sink.Create(candidate)) {
            return false;
        }
        temporary = std::move(candidate);
        return true;
    }
    return false;
}

}  // namespace

bool WritePlanFile(Context& context, PathText& path, PathText& name, ExportKind kind,
                   PlanContent content, std::size_t byteLimit)
{
    const ExportFormat& format = ExportFormatOf(kind);
    User& user = context.user;
    ReplaceExtension(name, format.extension);
    ReplaceExtension(path, format.extension);

    if (path.empty()) {
        user.ShowMessage(format.noNameText, name.view(), MessageIcon::Stop, MessageButtons::Ok);
        return false;
    }
    if (!context.state.settings.Startup.Overwrite && PlanFileExists(path.c_str())) {
        if (user.ShowMessage(format.existsText, name.view(), MessageIcon::Exclamation,
                             MessageButtons::YesNo) != Answer::Yes) {
            return false;
        }
    }

    FileSink sink;
    std::string temporary;
    if (!CreateBeside(path.view(), sink, temporary)) {
        user.ShowMessage(format.createFailedText, name.view(), MessageIcon::Exclamation,
                         MessageButtons::Ok);
        return false;
    }
    sink.FailAfter(byteLimit);
    if (!content(context, sink, name.view())) {
        (void)sink.Close();
        std::remove(temporary.c_str());
        return false;
    }
    // Bytes the writes took may still fail to reach the disk when the file
    // is closed: a plan is written only when that succeeds too.
    if (!sink.Close()) {
        user.ShowMessage(format.writeErrorText, name.view(), MessageIcon::Stop, MessageButtons::Ok);
        std::remove(temporary.c_str());
        return false;
    }
    if (!context.system.RenameOver(temporary, path.str())) {
        std::remove(temporary.c_str());
        user.ShowMessage(format.createFailedText, name.view(), MessageIcon::Exclamation,
                         MessageButtons::Ok);
        return false;
    }
    context.state.route.RouteUnsaved = 0;
    if (context.state.exports.planWritten) {
        context.state.exports.planWritten(path.str());
    }
    return true;
}

}  // namespace rw
