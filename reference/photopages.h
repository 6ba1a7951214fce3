#pragma once

namespace yuc {

// Registers the photo index of example profiles and the pages it opens.
void registerPhotoScreens();

} // namespace yuc
