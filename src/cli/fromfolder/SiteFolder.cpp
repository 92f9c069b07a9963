#include "fromfolder/SiteFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "os/UniqueFd.h"
#include "text/SjisText.h"

namespace fw::cli {

namespace {

constexpr std::string_view kHomePages[] = {"index.html", "index.htm", "default.htm"};

bool EndsWithNoCase(std::string_view name, std::string_view ending)
{
    return name.size() > ending.size() && EqualsAsciiNoCase(name.substr(name.size() - ending.size()), ending);
}

bool IsPageName(std::string_view name)
{
    return EndsWithNoCase(name, ".htm") || EndsWithNoCase(name, ".html");
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

std::string RealPath(const std::string& path)
{
    const std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : std::string();
}

// A link is taken only when the file it finally names is a regular file
// inside the site's folder.
bool LinksInside(const std::string& rootReal, const std::string& link)
{
    const std::string target = RealPath(link);
    struct stat info {};
    return !target.empty() && target.compare(0, rootReal.size() + 1, rootReal + "/") == 0 &&
        stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The home page, by the first name of kHomePages present (in any case),
// moved out of the list of pages.
std::optional<SitePage> TakeHomePage(std::vector<SitePage>& pages)
{
    for (const std::string_view home : kHomePages) {
        const auto found = std::find_if(pages.begin(), pages.end(),
                                        [home](const SitePage& page) { return EqualsAsciiNoCase(page.name, home); });
        if (found != pages.end()) {
            SitePage page = *found;
            pages.erase(found);
            return page;
        }
    }
    return std::nullopt;
}

}  // namespace

bool ScanSite(const std::string& folder, SiteScan& scan, std::string& reason)
{
    const UniqueFd root(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const int rootFd = root.Get();
    if (rootFd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    const std::string rootReal = RealPath(folder);
    scan.realFolder = rootReal;
    if (rootReal.empty()) {
        reason = std::strerror(errno);
        return false;
    }

    scan.folders.assign(1, SiteFolder{});
    std::vector<std::size_t> stack{0};
    while (!stack.empty()) {
        const std::size_t index = stack.back();
        stack.pop_back();
        const std::string path = scan.folders[index].path;
        // A folder is opened relative to the site's and never through a link.
        const int fd =
            index == 0 ? dup(rootFd) : openat(rootFd, path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        std::unique_ptr<DIR, DirCloser> dir(fd < 0 ? nullptr : fdopendir(fd));
        if (!dir) {
            const int error = errno;
            if (fd >= 0)
                close(fd);
            if (index == 0) {
                reason = std::strerror(error);
                return false;
            }
            scan.problems.push_back(folder + "/" + path + ": " + std::strerror(error));
            continue;
        }
        std::vector<std::string> subfolders;
        std::vector<SitePage> pages;
        for (;;) {
            errno = 0;
            const dirent* entry = readdir(dir.get());
            if (entry == nullptr) {
                if (errno != 0)
                    scan.problems.push_back(folder + "/" + path + ": " + std::strerror(errno));
                break;
            }
            const std::string name = entry->d_name;
            if (name.empty() || name[0] == '.')
                continue;  // hidden, and "." and ".."
            struct stat info {};
            if (fstatat(dirfd(dir.get()), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (S_ISDIR(info.st_mode))
                subfolders.push_back(name);
            else if (!IsPageName(name))
                continue;
            else if (S_ISREG(info.st_mode))
                pages.push_back({name, false});
            else if (S_ISLNK(info.st_mode) && LinksInside(rootReal, rootReal + "/" + path + name))
                pages.push_back({name, true});
        }
        dir.reset();

        std::sort(subfolders.begin(), subfolders.end());
        std::sort(pages.begin(), pages.end(), [](const SitePage& a, const SitePage& b) { return a.name < b.name; });
        scan.folders[index].home = TakeHomePage(pages);
        scan.folders[index].pages = std::move(pages);
        for (const std::string& name : subfolders) {
            SiteFolder sub;
            sub.path = path + name + "/";
            sub.name = name;
            sub.parent = index;
            scan.folders[index].subfolders.push_back(scan.folders.size());
            stack.push_back(scan.folders.size());
            scan.folders.push_back(std::move(sub));
        }
    }

    // Subfolders come after their parents, so one backward pass carries
    // "holds pages" up the tree.
    for (std::size_t i = scan.folders.size(); i-- > 0;) {
        SiteFolder& site = scan.folders[i];
        site.holdsPages = site.holdsPages || site.home || !site.pages.empty();
        if (site.holdsPages && i > 0)
            scan.folders[site.parent].holdsPages = true;
    }
    return true;
}

}  // namespace fw::cli
