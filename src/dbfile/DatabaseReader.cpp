#include "DatabaseReader.h"

#include "database/ChannelDatabase.h"

namespace kavro {

DatabaseReader::DatabaseReader() = default;
DatabaseReader::~DatabaseReader() = default;

std::shared_ptr<const ChannelDatabase> DatabaseReader::read(const std::string& path,
                                                            OpenResult& result) {
    // A database someone still holds is never read over; an accepted open replaces every
    // byte of the one reused, a refused one changes none.
    if (!spare_ || spare_.use_count() > 1) {
        spare_ = std::make_shared<ChannelDatabase>();
    }
    result = file_.open(path, *spare_);
    if (result.outcome != OpenOutcome::Accepted) {
        return nullptr;
    }
    return spare_;
}

}  // namespace kavro
