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
    slot(n) = BandConfig{};
    return writeBandFile(n);
}

} // namespace orvane
