#include "BandTable.h"

#include "BandFiles.h"

namespace orvane {

std::filesystem::path BandTable::bandFilePath(int n) const
{
    return orvane::bandFilePath(m_folder, n);
}

std::string BandTable::readBandFile(int n)
{
    std::string error;
    slot(n) = orvane::readBandFile(bandFilePath(n), &error);
    return error;
}

std::string BandTable::writeBandFile(int n) const
{
    return orvane::writeBandFile(bandFilePath(n), slot(n));
}

std::string BandTable::deleteBand(int n)
{
    return replaceSlot(n, BandConfig{});
}

std::string BandTable::replaceSlot(int n, const BandConfig& band)
{
    // The table keeps what the file keeps: a failed write leaves both as they were.
    const BandConfig previous = slot(n);
    slot(n) = band;
    std::string error = writeBandFile(n);
    if (!error.empty())
        slot(n) = previous;
    return error;
}

} // namespace orvane
