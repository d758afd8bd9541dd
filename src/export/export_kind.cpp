// The table of the output formats.
#include "export/export_kind.h"

#include <iterator>

#include "export/plan_formats.h"
#include "resources/resource.h"

namespace rw {
namespace {

using S = AppSettings;
using Startup = AppSettings::StartupSection;

constexpr ExportFormat kFormats[] = {
    {ExportKind::Msfs, ".pln", &S::DefMSFSDir, &Startup::MSFS, WriteMsfsPlan, IDS_MSFS_SAVED,
     IDS_MSFS_NOT_SAVED, IDS_MSFS_NO_NAME, IDS_MSFS_EXISTS, IDS_MSFS_CREATE_FAILED,
     IDS_MSFS_WRITE_ERROR},
    {ExportKind::AcsGps, ".prg", &S::DefACSGPSDir, &Startup::ACS_GPS, WriteAcsGpsPlan,
     IDS_ACSGPS_SAVED, IDS_ACSGPS_NOT_SAVED, IDS_ACSGPS_NO_NAME, IDS_ACSGPS_EXISTS,
     IDS_ACSGPS_CREATE_FAILED, IDS_ACSGPS_WRITE_ERROR},
    {ExportKind::RadarContact, ".apl", &S::DefRC99Dir, &Startup::RC99, WriteRadarContactPlan,
     IDS_RC_SAVED, IDS_RC_NOT_SAVED, IDS_RC_NO_NAME, IDS_RC_EXISTS, IDS_RC_CREATE_FAILED,
     IDS_RC_WRITE_ERROR},
    {ExportKind::SquawkBox, ".sbp", &S::DefSQBDir, &Startup::SQB, WriteSquawkBoxPlan, IDS_SQB_SAVED,
     IDS_SQB_NOT_SAVED, IDS_SQB_NO_NAME, IDS_SQB_EXISTS, IDS_SQB_CREATE_FAILED,
     IDS_SQB_WRITE_ERROR},
    {ExportKind::Sfp, ".pln", &S::DefSFPDir, &Startup::SFP, WriteSfpPlan, IDS_SFP_SAVED,
     IDS_SFP_NOT_SAVED, IDS_SFP_NO_NAME, IDS_SFP_EXISTS, IDS_SFP_CREATE_FAILED,
     IDS_SFP_WRITE_ERROR},
    {ExportKind::Nav, ".pln", &S::DefNAVDir, &Startup::NAV, WriteNavPlan, IDS_NAV_SAVED,
     IDS_NAV_NOT_SAVED, IDS_NAV_NO_NAME, IDS_NAV_EXISTS, IDS_NAV_CREATE_FAILED,
     IDS_NAV_WRITE_ERROR},
};

constexpr bool InKindOrder()
{
    for (std::size_t i = 0; i < std::size(kFormats); ++i) {
        if (static_cast<int>(kFormats[i].kind) != static_cast<int>(i) + 1) {
            return false;
        }
    }
    return true;
}
static_assert(InKindOrder(), "the table is indexed by kind - 1");

}  // namespace

const ExportFormat* FindExportFormat(int kind)
{
    if (kind < 1 || kind > static_cast<int>(std::size(kFormats))) {
        return nullptr;
    }
    return &kFormats[kind - 1];
}

const ExportFormat& ExportFormatOf(ExportKind kind)
{
    return *FindExportFormat(static_cast<int>(kind));
}

std::string_view PlanExtension(int kind)
{
    const ExportFormat* format = FindExportFormat(kind);
    return format != nullptr ? format->extension : std::string_view(".pln");
}

const PathText& DefaultFolder(const AppSettings& settings, const ExportFormat& format)
{
    return (settings.*format.defaultFolder).Pathname;
}

bool BulkSwitchOn(const AppSettings& settings, const ExportFormat& format)
{
    return settings.Startup.*format.bulkSwitch != 0;
}

}  // namespace rw
