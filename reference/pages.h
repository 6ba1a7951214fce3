#pragma once

namespace yuc {

// Registers the reference text pages.
void registerReferencePages();

} // namespace yuc
