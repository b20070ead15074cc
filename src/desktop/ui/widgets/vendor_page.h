#pragma once
// The pages of the vendor's web site that the windows' links and menus ask for.

namespace grahavani {

enum class VendorPage { HelpWebPage, HomePage, DownloadWebPage, CoBrand, FullyBranded };

}  // namespace grahavani
