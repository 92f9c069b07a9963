#pragma once
// Helpers shared by the site map tests.

#include <string>
#include <vector>

#include "sitemap/SitemapTree.h"

namespace fw::testing {

inline SitemapNode NamedRootRecord()
{
    SitemapNode root;
    root.m_strTitle = "Root";
    return root;
}

// Adds a sub-channel or a page under `parent` as the reader does, labelled `name`.
inline SitemapItem* AddSubChannelUnder(SitemapTree& tree, SitemapItem* parent, const std::string& name)
{
    tree.Select(parent);
    SitemapItem* item = tree.AddSubChannel(false);
    tree.SetLabel(item, name);
    return item;
}

inline SitemapItem* AddPageUnder(SitemapTree& tree, SitemapItem* parent, const std::string& name)
{
    tree.Select(parent);
    SitemapItem* item = tree.AddPage(false);
    tree.SetLabel(item, name);
    return item;
}

// The labels of an item's children, blank-separated.
inline std::string ChildLabels(const SitemapItem& parent)
{
    std::string labels;
    for (const SitemapItem* child = parent.FirstChild(); child != nullptr; child = child->NextSibling()) {
        if (!labels.empty())
            labels += ' ';
        labels += child->Label();
    }
    return labels;
}

// Every call an observer hears, as one line each.
class RecordingObserver : public SitemapObserver {
public:
    explicit RecordingObserver(const SitemapTree& tree) : m_tree(tree) {}

    void OnItemAboutToBeInserted(SitemapItem& parent, std::size_t row) override
    {
        Log("about-to-insert " + parent.Label() + " " + std::to_string(row));
    }
    void OnItemInserted(SitemapItem& item) override
    {
        Log("inserted " + item.Parent()->Label() + " " + std::to_string(m_tree.RowOf(item)));
    }
    void OnItemAboutToBeDeleted(SitemapItem& item) override
    {
        Log("about-to-delete " + item.Label() + " " + std::to_string(m_tree.RowOf(item)));
    }
    void OnItemDeleted(SitemapItem& parent) override { Log("deleted-from " + parent.Label()); }
    void OnLabelChanged(SitemapItem& item) override { Log("label " + item.Label()); }
    void OnSelectionChanged(SitemapItem* selected) override
    {
        Log("selected " + (selected != nullptr ? selected->Label() : std::string("none")));
    }
    void OnEnsureVisible(SitemapItem& item) override { Log("visible " + item.Label()); }
    void OnBulkBegin() override { Log("bulk-begin"); }
    void OnBulkEnd() override { Log("bulk-end"); }

    std::vector<std::string> events;

private:
    void Log(std::string line) { events.push_back(std::move(line)); }
    const SitemapTree& m_tree;
};

}  // namespace fw::testing
