// The reader of the planner's exported text plan.
#include "route/plan_reader.h"

#include "common/field_scanner.h"
#include "resources/resource.h"
#include "route/geodesy.h"
#include "shell/busy_display.h"
#include "shell/messages.h"

namespace rw {
namespace {

constexpr std::string_view kHeaderLine = "# FliteStar/FliteMap generated flight plan.\n";
constexpr std::string_view kCheckingStatus = "Checking FliteStar/FliteMap Flightplan";

// A piece is examined as the C string functions would see it: up to its
// first zero byte.
std::string_view Examined(std::string_view piece)
{
    return piece.substr(0, piece.find('\0'));
}

void ShowStop(Context& context, int textId)
{
    context.user.ShowMessage(textId, context.state.sourceTitle.view(), MessageIcon::Stop,
                             MessageButtons::Ok);
}

void ShowWarning(Context& context, int textId)
{
    context.user.ShowMessage(textId, context.state.sourceTitle.view(), MessageIcon::Exclamation,
                             MessageButtons::Ok);
}

void StorePoint(const SourcePoint& source, RoutePoint& point)
{
    ClearPoint(point);
    point.type = source.type;
    point.ident = source.ident.view();
    point.altitude = source.altitude;
    point.latHemisphere = source.latHemisphere;
    point.latDegrees = source.latDegrees;
    point.latMinutes = source.latMinutes;
    point.lonHemisphere = source.lonHemisphere;
    point.lonDegrees = source.lonDegrees;
    point.lonMinutes = source.lonMinutes;
    point.latitude = ToSignedDegrees(source.latHemisphere, source.latDegrees, source.latMinutes);
    point.longitude = ToSignedDegrees(source.lonHemisphere, source.lonDegrees, source.lonMinutes);
    if (point.type != 'A') {
        point.name = point.ident.view();
    }
}

}  // namespace

bool HasFcfExtension(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    return dot != std::string_view::npos && EqualsIgnoringCase(fileName.substr(dot), ".fcf");
}

bool PlanFile::Open(const char* path)
{
    Close();
    // Binary, so that CR LF is handled alike on every platform and positions
    // are plain byte offsets.
    file_ = std::fopen(path, "rb");
    return file_ != nullptr;
}

void PlanFile::Close()
{
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

PlanFile::Read PlanFile::ReadPiece(std::string_view& piece)
{
    if (file_ == nullptr) {
        return Read::Error;
    }
    std::size_t n = 0;
    while (n < kPieceLength) {
        const int c = std::getc(file_);
        if (c == EOF) {
            break;
        }
        if (c == '\r') {
            const int next = std::getc(file_);
            if (next == '\n') {
                buffer_[n++] = '\n';
                break;
            }
            if (next != EOF) {
                std::ungetc(next, file_);
            }
        }
        buffer_[n++] = static_cast<char>(c);
        if (c == '\n') {
            break;
        }
    }
    if (std::ferror(file_)) {
        return Read::Error;
    }
    if (n == 0) {
        return Read::End;
    }
    buffer_[n] = '\0';
    piece = std::string_view(buffer_, n);
    return Read::Piece;
}

bool PlanFile::Tell(std::int32_t& position)
{
    if (file_ == nullptr) {
        return false;
    }
    const long at = std::ftell(file_);
    if (at < 0 || at > 2147483647L) {
        return false;
    }
    position = static_cast<std::int32_t>(at);
    return true;
}

bool PlanFile::Seek(std::int32_t position)
{
    if (file_ == nullptr || position < 0) {
        return false;
    }
    std::clearerr(file_);
    return std::fseek(file_, position, SEEK_SET) == 0;
}

bool ParseSectionLine(std::string_view line, std::int32_t& number)
{
    FieldScanner scanner(line);
    return scanner.Literal("FPL") && scanner.Int(number);
}

bool ParsePointLine(std::string_view line, SourcePoint& point)
{
    FieldScanner scanner(line);
    SourcePoint read;
    char unused = 0;
    char type = 0;
    if (!(scanner.Literal("FWP") && scanner.Char(unused) && scanner.Char(type) &&
          scanner.Token(read.ident) && scanner.Char(read.latHemisphere) &&
          scanner.Int(read.latDegrees) && scanner.Double(read.latMinutes) &&
          scanner.Char(read.lonHemisphere) && scanner.Int(read.lonDegrees) &&
          scanner.Double(read.lonMinutes))) {
        return false;
    }
    // Without a tenth field that is a number, the line has nine fields.
    double altitude = 0.0;
    read.altitude = scanner.Double(altitude) ? altitude : 0.0;
    read.type = NormalisePointType(type);
    point = read;
    return true;
}

char NormalisePointType(char type)
{
    const char upper = ToUpperAscii(type);
    return upper == 'S' || upper == '?' ? 'I' : upper;
}

bool OpenSourceFile(Context& context, PlanFile& file)
{
    if (context.state.sourcePath.empty()) {
        ShowStop(context, IDS_NO_SOURCE_NAME);
        return false;
    }
    if (!file.Open(context.state.sourcePath.c_str())) {
        ShowStop(context, IDS_SOURCE_OPEN_FAILED);
        return false;
    }
    return true;
}

bool ScanLegs(Context& context)
{
    const BusyDisplay restorer(context.window);
    PlanFile file;
    if (!OpenSourceFile(context, file)) {
        return false;
    }
    context.window.SetStatusText(kCheckingStatus);

    RouteStore& route = context.state.route;
    route.legCount = 0;
    std::string_view piece;
    switch (file.ReadPiece(piece)) {
        case PlanFile::Read::Error: ShowStop(context, IDS_SOURCE_READ_ERROR); return false;
        case PlanFile::Read::End: ShowStop(context, IDS_SOURCE_NOT_PLAN); return false;
        case PlanFile::Read::Piece:
            if (!EqualsIgnoringCase(Examined(piece), kHeaderLine)) {
                ShowStop(context, IDS_SOURCE_NOT_PLAN);
                return false;
            }
            break;
    }

    for (;;) {
        const PlanFile::Read read = file.ReadPiece(piece);
        if (read == PlanFile::Read::End) {
            break;
        }
        if (read == PlanFile::Read::Error) {
            ShowStop(context, IDS_SOURCE_READ_ERROR);
            return false;
        }
        std::int32_t number = 0;
        if (!ParseSectionLine(Examined(piece), number)) {
            continue;
        }
        if (route.legCount == kMaxLegs) {
            ShowWarning(context, IDS_TOO_MANY_LEGS);
            break;
        }
        std::int32_t position = 0;
        if (!file.Tell(position)) {
            ShowStop(context, IDS_SOURCE_READ_ERROR);
            return false;
        }
        LegInfo& info = route.legInfo[route.legCount];
        info.legNumber = number;
        info.filePos = position;
        ++route.legCount;
    }

    if (route.legCount == 0) {
        ShowStop(context, IDS_NO_LEGS);
        return false;
    }
    route.currentLeg = 0;
    return true;
}

bool ReadLegPoints(Context& context, PlanFile& file, std::uint32_t legIndex)
{
    RouteStore& route = context.state.route;
    // Only legs the scan found can be read; asking for another is the
    // caller's fault, not the file's.
    if (legIndex >= kMaxLegs || legIndex >= route.legCount) {
        return false;
    }
    if (!file.IsOpen()) {
        ShowStop(context, IDS_SOURCE_OPEN_FAILED);
        return false;
    }
    LegInfo& info = route.legInfo[legIndex];
    RouteLeg& leg = route.legs[legIndex];
    info.pointCount = 0;
    if (!file.Seek(info.filePos)) {
        ShowStop(context, IDS_SOURCE_READ_ERROR);
        return false;
    }

    std::string_view piece;
    for (;;) {
        const PlanFile::Read read = file.ReadPiece(piece);
        if (read == PlanFile::Read::End) {
            break;
        }
        if (read == PlanFile::Read::Error) {
            ShowStop(context, IDS_SOURCE_READ_ERROR);
            return false;
        }
        const std::string_view line = Examined(piece);
        std::int32_t number = 0;
        if (ParseSectionLine(line, number)) {
            if (number != info.legNumber) {
                break;
            }
            continue;
        }
        SourcePoint source;
        if (!ParsePointLine(line, source)) {
            continue;
        }
        if (info.pointCount == kMaxLegPoints) {
            ShowWarning(context, IDS_TOO_MANY_POINTS);
            break;
        }
        StorePoint(source, leg.points[info.pointCount]);
        ++info.pointCount;
    }

    if (info.pointCount == 0) {
        ShowStop(context, IDS_NO_POINTS);
        return false;
    }
    if (info.pointCount == 1) {
        ShowStop(context, IDS_ONE_POINT);
        return false;
    }
    if (leg.points[0].type != 'A' || leg.points[info.pointCount - 1].type != 'A') {
        ShowStop(context, IDS_ENDS_NOT_AIRPORTS);
        return false;
    }
    return true;
}

bool OpenSourceDialog(Context& context)
{
    OpenFileRequest request;
    request.title = "Open Flight plan file";
    request.filters = {
        {"Exported FliteStar Flightplan files (*.txt)", "*.txt"},
        {"FliteStar Flightplan files (*.fcf)", "*.fcf"},
        {"All files (*.*)", "*.*"},
    };
    request.initialFileName = "*.txt";
    request.initialFolder = context.state.settings.DefSrceDir.Pathname.view();
    request.defaultExtension = "txt";
    request.pathMustExist = true;
    request.fileMustExist = true;

    ChosenFile chosen;
    if (!context.dialogs.ShowOpenDialog(request, chosen)) {
        return false;
    }
    if (HasFcfExtension(chosen.fileName.view())) {
        context.user.ShowMessage(IDS_FCF_NOT_SUPPORTED, chosen.fileName.view(),
                                 MessageIcon::Exclamation, MessageButtons::Ok);
    }
    context.state.sourcePath = chosen.path.view();
    context.state.sourceTitle = chosen.fileName.view();
    SetDialogTitle(context.window, context.state.appName.view(), context.state.sourceTitle.view());
    return true;
}

}  // namespace rw
