#pragma once

#include <QString>

namespace os {
struct Services;
}

namespace html {

// What a tag shows between its opening and its closing part.
enum class TagContent { Nothing, SiteName, BareAddress };

// A tag that the user builds by typing its address: how it is asked for and how it is put
// together. The address gets the scheme in front unless it begins with exactly that scheme.
struct TagRecipe
{
    QStringView addressPrompt;
    QStringView siteNamePrompt; // asked for when the tag shows a site name
    QStringView scheme;
    QStringView opener;
    TagContent content;
    QStringView closer;
};

extern const TagRecipe linkTag;  // "Link"
extern const TagRecipe imageTag; // "Image"
extern const TagRecipe mailTag;  // "mail"

// The finished tag: the opener, the address (after the scheme) in double quotes, ">", what the
// tag shows and the closer.
QString tagFor(const TagRecipe &recipe, const QString &address, const QString &siteName);

// Asks for the address (and the site name) in input boxes and puts the finished tag on the
// clipboard. An empty answer ends the command silently; an address that already begins with "<"
// is refused. Nothing is escaped: what the user typed goes into the tag as it stands, so that a
// poster can build any tag the board takes.
void writeTag(os::Services &services, const TagRecipe &recipe);

} // namespace html
