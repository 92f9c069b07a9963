#include "feeds/FeedReader.h"

#include <libxml/parser.h>
#include <libxml/xmlreader.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <memory>
#include <optional>
#include <set>

#include "export/UrlResolve.h"
#include "feeds/FeedText.h"
#include "text/References.h"
#include "text/SjisText.h"

namespace fw::cli {

namespace {

constexpr std::string_view kAtomNs = "http://www.w3.org/2005/Atom";
constexpr std::string_view kAtom03Ns = "http://purl.org/atom/ns#";
constexpr std::string_view kRdfNs = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
constexpr std::string_view kRss10Ns = "http://purl.org/rss/1.0/";
constexpr std::string_view kRss090Ns = "http://my.netscape.com/rdf/simple/0.9/";
constexpr std::string_view kDcNs = "http://purl.org/dc/elements/1.1/";
constexpr std::string_view kDcTermsNs = "http://purl.org/dc/terms/";
constexpr std::string_view kContentNs = "http://purl.org/rss/1.0/modules/content/";
constexpr std::string_view kSyNs = "http://purl.org/rss/1.0/modules/syndication/";
constexpr std::string_view kXmlNs = "http://www.w3.org/XML/1998/namespace";

enum class Format { Unknown, Rss, Rdf, Atom };

// What a captured element's text is, and how it becomes plain text.
enum class Markup {
    Plain,      // Atom type="text", links, dates, numbers
    Html,       // RSS descriptions, Atom type="html"
    MaybeHtml,  // RSS titles: markup only when they hold '<' or '&'
    Xhtml,      // Atom type="xhtml": the element's inner XML
};

enum class Field {
    None,
    Title,
    Link,
    Description,
    Content,
    Guid,
    Date,
    Updated,
    Ttl,
    UpdatePeriod,
    UpdateFrequency,
    ImageUrl,
    Logo,
    Icon,
};

std::string_view View(const xmlChar* text)
{
    return text == nullptr ? std::string_view() : std::string_view(reinterpret_cast<const char*>(text));
}

struct ReaderFree {
    void operator()(xmlTextReader* reader) const { xmlFreeTextReader(reader); }
};

// Refuses every external entity, DTD and XInclude: a feed never makes the
// program open a file or a connection.
xmlParserInputPtr RefuseExternal(const char*, const char*, xmlParserCtxtPtr)
{
    return nullptr;
}

class ExternalLoaderGuard {
public:
    ExternalLoaderGuard() : m_previous(xmlGetExternalEntityLoader()) { xmlSetExternalEntityLoader(RefuseExternal); }
    ~ExternalLoaderGuard() { xmlSetExternalEntityLoader(m_previous); }
    ExternalLoaderGuard(const ExternalLoaderGuard&) = delete;
    ExternalLoaderGuard& operator=(const ExternalLoaderGuard&) = delete;

private:
    xmlExternalEntityLoader m_previous;
};

// Options: no network, CDATA as text, and nothing else: no DTD loading, no
// entity substitution, libxml2's limits on sizes and expansion left on.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOCDATA | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

bool IsRssNs(std::string_view ns)
{
    return ns.empty() || ns == kRss10Ns || ns == kRss090Ns;
}

bool IsAtomNs(std::string_view ns)
{
    return ns == kAtomNs || ns == kAtom03Ns;
}

bool IsFeedLink(std::string_view url)
{
    const std::size_t colon = url.find("://");
    if (colon == std::string_view::npos || colon + 3 >= url.size())
        return false;
    const std::string_view scheme = url.substr(0, colon);
    return EqualsAsciiNoCase(scheme, "http") || EqualsAsciiNoCase(scheme, "https") || EqualsAsciiNoCase(scheme, "ftp");
}

std::optional<unsigned> Number(std::string_view text)
{
    const std::string trimmed = CollapseBlanks(text);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (error != std::errc() || end != trimmed.data() + trimmed.size() || trimmed.empty())
        return std::nullopt;
    return value;
}

class FeedWalker {
public:
    FeedWalker(xmlTextReader* reader, std::size_t limit, FeedReading& out)
        : m_reader(reader), m_limit(limit), m_out(out)
    {
    }

    // libxml2's first complaint is kept; a fatal one (the document is not
    // well-formed, or a limit was passed) ends the reading.
    static void OnError(void* self, xmlError* error)
    {
        auto& walker = *static_cast<FeedWalker*>(self);
        if (error == nullptr || error->level < XML_ERR_ERROR)
            return;
        if (error->level == XML_ERR_FATAL)
            walker.m_out.failed = true;
        if (walker.m_complained)
            return;
        walker.m_complained = true;
        std::string message = error->message == nullptr ? std::string("not well-formed") : error->message;
        while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
            message.pop_back();
        if (error->code == XML_ERR_ENTITY_LOOP || error->code == XML_ERR_ENTITY_BOUNDARY)
            message =
                "entity references expand beyond the limit (refused: an entity-expansion attack such as "
                "\"billion laughs\")";
        else if (error->code == XML_ERR_DOCUMENT_END)
            message += " (a feed cut short, or something after its end)";
        walker.m_out.error = {error->line, message};
    }

    void Run()
    {
        int status = xmlTextReaderRead(m_reader);
        while (status == 1 && !m_out.failed) {
            m_advanced = false;
            Visit();
            status = m_advanced ? m_nextStatus : xmlTextReaderRead(m_reader);
        }
        if (status < 0 && !m_out.failed) {
            m_out.failed = true;
            if (!m_complained)
                m_out.error = {xmlTextReaderGetParserLineNumber(m_reader), "not a well-formed XML document"};
        }
        if (!m_out.failed && m_format == Format::Unknown) {
            m_out.failed = true;
            m_out.error = {1, "not an RSS or Atom feed (no rss, rdf:RDF or Atom feed element)"};
        }
    }

private:
    struct Frame {
        std::string ns, name, base;
    };

    // Where the open elements put us.
    enum class Place { Other, Channel, Item, Image };

    // The line the current node starts on (the parser itself may have read
    // further ahead).
    int Line() const
    {
        const xmlNode* node = xmlTextReaderCurrentNode(m_reader);
        const long line = node == nullptr ? -1 : xmlGetLineNo(node);
        return line > 0 && line < INT_MAX ? static_cast<int>(line) : xmlTextReaderGetParserLineNumber(m_reader);
    }

    void Warn(int line, std::string text) { m_out.warnings.push_back({line, std::move(text)}); }

    Place PlaceOfStack() const
    {
        const std::size_t n = m_stack.size();
        if (n == 0)
            return Place::Other;
        const Frame& top = m_stack.back();
        switch (m_format) {
        case Format::Rss:
            if (n == 2 && top.name == "channel")
                return Place::Channel;
            if (n == 3 && top.name == "item" && IsRssNs(top.ns))
                return Place::Item;
            if (n == 3 && top.name == "image" && IsRssNs(top.ns))
                return Place::Image;
            return Place::Other;
        case Format::Rdf:
            if (n == 2 && IsRssNs(top.ns) && top.name == "channel")
                return Place::Channel;
            // Items stand beside the channel, some generators put them inside.
            if ((n == 2 || n == 3) && IsRssNs(top.ns) && top.name == "item")
                return Place::Item;
            if (n == 2 && IsRssNs(top.ns) && top.name == "image")
                return Place::Image;
            return Place::Other;
        case Format::Atom:
            if (n == 1)
                return Place::Channel;
            if (n == 2 && IsAtomNs(top.ns) && top.name == "entry")
                return Place::Item;
            return Place::Other;
        case Format::Unknown:
            break;
        }
        return Place::Other;
    }

    std::string Attribute(const char* name, const char* ns = nullptr)
    {
        xmlChar* value = ns == nullptr ? xmlTextReaderGetAttribute(m_reader, BAD_CAST name)
                                       : xmlTextReaderGetAttributeNs(m_reader, BAD_CAST name, BAD_CAST ns);
        std::string text(View(value));
        xmlFree(value);
        return text;
    }

    Markup AtomMarkup()
    {
        const std::string type = CollapseBlanks(Attribute("type"));
        if (EqualsAsciiNoCase(type, "html") || EqualsAsciiNoCase(type, "text/html"))
            return Markup::Html;
        if (EqualsAsciiNoCase(type, "xhtml") || EqualsAsciiNoCase(type, "application/xhtml+xml"))
            return Markup::Xhtml;
        return Markup::Plain;
    }

    // The field an element of the channel, item or image gives, if any.
    Field FieldOf(Place place, std::string_view ns, std::string_view name, Markup& markup)
    {
        markup = Markup::Plain;
        if (ns == kSyNs && place == Place::Channel) {
            if (name == "updatePeriod")
                return Field::UpdatePeriod;
            if (name == "updateFrequency")
                return Field::UpdateFrequency;
            return Field::None;
        }
        if (ns == kDcNs || ns == kDcTermsNs) {
            if (place == Place::Item && (name == "date" || name == "modified" || name == "created"))
                return Field::Date;
            return Field::None;
        }
        if (ns == kContentNs)
            return place == Place::Item && name == "encoded" ? (markup = Markup::Html, Field::Content) : Field::None;
        if (m_format == Format::Atom) {
            if (!IsAtomNs(ns))
                return Field::None;
            if (name == "title" || name == "subtitle" || name == "tagline" || name == "summary" || name == "content") {
                markup = AtomMarkup();
                if (name == "title")
                    return Field::Title;
                if (name == "content")
                    return place == Place::Item ? Field::Content : Field::None;
                return Field::Description;
            }
            if (name == "updated" || name == "published" || name == "modified" || name == "issued")
                return place == Place::Item ? (name == "updated" || name == "modified" ? Field::Updated : Field::Date)
                                            : Field::None;
            if (place == Place::Channel && name == "logo")
                return Field::Logo;
            if (place == Place::Channel && name == "icon")
                return Field::Icon;
            return Field::None;
        }
        if (!IsRssNs(ns))
            return Field::None;
        if (place == Place::Image)
            return name == "url" ? Field::ImageUrl : Field::None;
        if (name == "title")
            return markup = Markup::MaybeHtml, Field::Title;
        if (name == "link")
            return Field::Link;
        if (name == "description")
            return markup = Markup::Html, Field::Description;
        if (place == Place::Channel && name == "ttl")
            return Field::Ttl;
        if (place == Place::Item && name == "guid")
            return Field::Guid;
        if (place == Place::Item && name == "pubDate")
            return Field::Date;
        return Field::None;
    }

    void Visit()
    {
        switch (xmlTextReaderNodeType(m_reader)) {
        case XML_READER_TYPE_ELEMENT:
            StartElement();
            break;
        case XML_READER_TYPE_END_ELEMENT:
            EndElement();
            break;
        case XML_READER_TYPE_TEXT:
        case XML_READER_TYPE_CDATA:
        case XML_READER_TYPE_WHITESPACE:
        case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
            if (m_field != Field::None)
                m_text += View(xmlTextReaderConstValue(m_reader));
            break;
        case XML_READER_TYPE_ENTITY_REFERENCE:
            EntityReference();
            break;
        default:
            break;
        }
    }

    // A feed that names a DTD it does not carry may use HTML's entities
    // (RSS 0.91 did); those are taken as their characters. A feed's own
    // entities are never expanded.
    void EntityReference()
    {
        std::string reference(1, '&');
        reference.append(View(xmlTextReaderConstName(m_reader))).append(1, ';');
        char32_t c = 0;
        if (ReadReference(reference, ReferenceNames::Html, c) == reference.size()) {
            if (m_field != Field::None)
                AppendUtf8(m_text, c);
            return;
        }
        if (m_unexpanded.insert(reference).second)
            Warn(Line(), "the entity " + reference + " is not expanded (a feed's own entities never are); left out");
    }

    void StartElement()
    {
        const std::string ns(View(xmlTextReaderConstNamespaceUri(m_reader)));
        const std::string name(View(xmlTextReaderConstLocalName(m_reader)));
        const bool empty = xmlTextReaderIsEmptyElement(m_reader) == 1;
        if (m_stack.empty()) {
            if (name == "rss" && ns.empty())
                m_format = Format::Rss;
            else if (name == "RDF" && ns == kRdfNs)
                m_format = Format::Rdf;
            else if (name == "feed" && IsAtomNs(ns))
                m_format = Format::Atom;
            else {
                m_out.failed = true;
                m_complained = true;
                m_out.error = {Line(),
                               "not an RSS or Atom feed (its root element is " +
                                   std::string(View(xmlTextReaderConstName(m_reader))) + ")"};
                return;
            }
        }
        if (m_field != Field::None) {  // markup inside a field's text
            if (!empty)
                m_stack.push_back({ns, name, m_stack.back().base});
            return;
        }
        const Place outer = PlaceOfStack();
        std::string base = m_stack.empty() ? std::string() : m_stack.back().base;
        if (const std::string xmlBase = Attribute("base", kXmlNs.data()); !xmlBase.empty())
            base = ResolveUrl(base, CollapseBlanks(xmlBase));
        m_stack.push_back({ns, name, base});
        const Place place = PlaceOfStack();
        if (place == Place::Item && outer != Place::Item)
            StartItem();
        else if (place == outer || place == Place::Other) {
            Markup markup = Markup::Plain;
            const Field field = outer == Place::Other ? Field::None : FieldOf(outer, ns, name, markup);
            if (m_format == Format::Atom && IsAtomNs(ns) && name == "link")
                AtomLink(outer);
            else if (field != Field::None)
                StartField(field, markup, outer);
        }
        if (empty)
            EndElement();
    }

    void StartField(Field field, Markup markup, Place place)
    {
        m_field = field;
        m_fieldPlace = place;
        m_markup = markup;
        m_fieldDepth = m_stack.size();
        m_text.clear();
        if (field == Field::Guid) {
            m_guidIsLink = !EqualsAsciiNoCase(CollapseBlanks(Attribute("isPermaLink")), "false");
        } else if (markup == Markup::Xhtml && xmlTextReaderIsEmptyElement(m_reader) != 1) {
            // The whole subtree at once, as markup; the reader then moves on
            // past its end.
            xmlChar* inner = xmlTextReaderReadInnerXml(m_reader);
            m_text = View(inner);
            xmlFree(inner);
            EndField();
            m_stack.pop_back();
            m_nextStatus = xmlTextReaderNext(m_reader);
            m_advanced = true;
        }
    }

    void AtomLink(Place place)
    {
        std::string rel = CollapseBlanks(Attribute("rel"));
        const std::string href = ResolveUrl(m_stack.back().base, CollapseBlanks(Attribute("href")));
        if (rel.empty())
            rel = "alternate";
        if (place == Place::Item && rel == "alternate" && m_item.link.empty())
            m_item.link = href;
        else if (place == Place::Channel && rel == "alternate" && m_out.feed.link.empty())
            m_out.feed.link = href;
        else if (place == Place::Channel && rel == "self" && m_self.empty())
            m_self = href;
    }

    std::string FieldText() const
    {
        switch (m_markup) {
        case Markup::Plain:
            return CollapseBlanks(m_text);
        case Markup::MaybeHtml:
            return m_text.find_first_of("<&") == std::string::npos ? CollapseBlanks(m_text) : HtmlToText(m_text);
        case Markup::Html:
        case Markup::Xhtml:
            return HtmlToText(m_text);
        }
        return std::string();
    }

    // A link as written, made absolute against the element's base.
    std::string LinkText() const { return ResolveUrl(m_stack.back().base, CollapseBlanks(m_text)); }

    void EndField()
    {
        const Field field = m_field;
        m_field = Field::None;
        Feed& feed = m_out.feed;
        if (m_fieldPlace == Place::Item) {
            if (m_skipItem)
                return;
            switch (field) {
            case Field::Title:
                m_item.title = FieldText();
                break;
            case Field::Link:
                if (m_item.link.empty())
                    m_item.link = LinkText();
                break;
            case Field::Guid:
                if (m_guidIsLink)
                    m_guid = LinkText();
                break;
            case Field::Description:
                if (m_item.summary.empty())
                    m_item.summary = FieldText();
                break;
            case Field::Content:
                if (m_content.empty())
                    m_content = FieldText();
                break;
            case Field::Date:
            case Field::Updated:
                ItemDate(field);
                break;
            default:
                break;
            }
            return;
        }
        switch (field) {
        case Field::Title:
            if (feed.title.empty())
                feed.title = FieldText();
            break;
        case Field::Link:
            if (feed.link.empty())
                feed.link = LinkText();
            break;
        case Field::Description:
            if (feed.description.empty())
                feed.description = FieldText();
            break;
        case Field::ImageUrl:
        case Field::Logo:
            if (feed.image.empty())
                feed.image = LinkText();
            break;
        case Field::Icon:
            if (feed.icon.empty())
                feed.icon = LinkText();
            break;
        case Field::Ttl:
            if (const auto minutes = Number(m_text); minutes && *minutes > 0)
                feed.updateMinutes = *minutes;
            break;
        case Field::UpdatePeriod:
            m_period = CollapseBlanks(m_text);
            break;
        case Field::UpdateFrequency:
            m_frequency = Number(m_text);
            break;
        default:
            break;
        }
    }

    // pubDate, dc:date and Atom's published are taken when nothing better
    // came; Atom's updated wins over published.
    void ItemDate(Field field)
    {
        const std::string text = CollapseBlanks(m_text);
        const auto date = ParseFeedDate(text);
        if (!date) {
            Warn(Line(), "the date \"" + text + "\" is not an RFC 822 or W3C date; no LASTMOD");
            return;
        }
        if (!m_item.date || (field == Field::Updated && !m_dateIsUpdated)) {
            m_item.date = date;
            m_dateIsUpdated = field == Field::Updated;
        }
    }

    void StartItem()
    {
        m_item = FeedItem();
        m_guid.clear();
        m_content.clear();
        m_dateIsUpdated = false;
        m_itemLine = Line();
        m_skipItem = m_limit != 0 && m_out.feed.items.size() >= m_limit;
    }

    void EndItem()
    {
        if (m_skipItem)
            return;
        FeedItem& item = m_item;
        if (item.link.empty())
            item.link = m_guid;
        if (item.summary.empty())
            item.summary = m_content;
        // A link still relative has only the feed's own place to go by.
        if (!item.link.empty() && !IsFeedLink(item.link)) {
            const std::string& fallback = IsFeedLink(m_self) ? m_self : m_out.feed.link;
            if (IsFeedLink(fallback) && IsSafeLink(item.link))
                item.link = ResolveUrl(fallback, item.link);
        }
        const std::string named = item.title.empty() ? std::string() : " \"" + item.title + "\"";
        if (item.link.empty()) {
            Warn(m_itemLine, "item" + named + " has no link; left out");
            return;
        }
        if (!IsFeedLink(item.link)) {
            Warn(m_itemLine, "item" + named + " links to " + item.link + ", not an http, https or ftp URL; left out");
            return;
        }
        m_out.feed.items.push_back(std::move(item));
    }

    void EndElement()
    {
        if (m_stack.empty())
            return;
        const Place place = PlaceOfStack();
        if (m_field != Field::None && m_stack.size() == m_fieldDepth)
            EndField();
        m_stack.pop_back();
        if (m_field != Field::None)
            return;
        if (place == Place::Item && PlaceOfStack() != Place::Item)
            EndItem();
        if (m_stack.empty())
            FinishFeed();
    }

    void FinishFeed()
    {
        Feed& feed = m_out.feed;
        if (!feed.link.empty() && !IsFeedLink(feed.link) && IsFeedLink(m_self))
            feed.link = ResolveUrl(m_self, feed.link);
        if (!feed.updateMinutes && !m_period.empty()) {
            unsigned periodMinutes = 0;
            if (m_period == "hourly")
                periodMinutes = 60;
            else if (m_period == "daily")
                periodMinutes = 24 * 60;
            else if (m_period == "weekly")
                periodMinutes = 7 * 24 * 60;
            else if (m_period == "monthly")
                periodMinutes = 30 * 24 * 60;
            else if (m_period == "yearly")
                periodMinutes = 365 * 24 * 60;
            const unsigned frequency = m_frequency && *m_frequency > 0 ? *m_frequency : 1;
            if (periodMinutes != 0)
                feed.updateMinutes = std::max(1u, periodMinutes / frequency);
        }
    }

    xmlTextReader* m_reader;
    std::size_t m_limit;
    FeedReading& m_out;
    Format m_format = Format::Unknown;
    std::vector<Frame> m_stack;
    // The field being read.
    Field m_field = Field::None;
    Place m_fieldPlace = Place::Other;
    Markup m_markup = Markup::Plain;
    std::size_t m_fieldDepth = 0;
    std::string m_text;
    // The item being read.
    FeedItem m_item;
    std::string m_guid, m_content;
    bool m_guidIsLink = true;
    bool m_dateIsUpdated = false;
    bool m_skipItem = false;
    int m_itemLine = 0;
    // The feed's own.
    std::string m_self, m_period;
    std::optional<unsigned> m_frequency;
    std::set<std::string> m_unexpanded;
    // Set when a step has already moved the reader on (past a subtree).
    bool m_advanced = false;
    int m_nextStatus = 0;
    bool m_complained = false;
};

FeedReading Read(xmlTextReader* reader, std::size_t limit)
{
    FeedReading out;
    if (reader == nullptr) {
        out.failed = true;
        out.error = {0, "cannot start the XML reader"};
        return out;
    }
    const std::unique_ptr<xmlTextReader, ReaderFree> owner(reader);
    FeedWalker walker(reader, limit, out);
    xmlTextReaderSetStructuredErrorHandler(reader, FeedWalker::OnError, &walker);
    walker.Run();
    return out;
}

}  // namespace

FeedReading ReadFeedFromFd(int fd, std::size_t limit)
{
    const ExternalLoaderGuard guard;
    return Read(xmlReaderForFd(fd, nullptr, nullptr, kParseOptions), limit);
}

FeedReading ReadFeedFromBytes(std::string_view bytes, std::size_t limit)
{
    const ExternalLoaderGuard guard;
    if (bytes.size() > INT_MAX) {
        FeedReading out;
        out.failed = true;
        out.error = {0, "the feed is larger than 2 GB"};
        return out;
    }
    return Read(xmlReaderForMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, kParseOptions),
                limit);
}

}  // namespace fw::cli
