#pragma once
// A local copy of a web site, read into a list of folders and their pages.
// The walk uses an explicit stack, skips hidden entries (names beginning
// with '.'), never enters a linked folder, and takes a linked page only when
// the file it names lies inside the site's folder.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace fw::cli {

struct SitePage {
    std::string name;   // the file's name
    bool link = false;  // a symbolic link to a page inside the site
};

struct SiteFolder {
    std::string path;  // relative to the site's folder: "" for itself, else "a/b/"
    std::string name;  // its own name, "" for the site's folder
    std::size_t parent = 0;
    std::vector<SitePage> pages;          // .htm and .html files sorted by name, the home page left out
    std::optional<SitePage> home;         // index.html, index.htm or default.htm, in that order
    std::vector<std::size_t> subfolders;  // sorted by name
    bool holdsPages = false;              // a page here or anywhere below
};

struct SiteScan {
    std::string realFolder;  // the site's folder with links resolved
    // Parents come before their subfolders; the site's folder is the first.
    std::vector<SiteFolder> folders;
    // Folders that could not be read, one message each.
    std::vector<std::string> problems;
};

// False (with `reason`) when the site's folder itself cannot be read.
bool ScanSite(const std::string& folder, SiteScan& scan, std::string& reason);

}  // namespace fw::cli
