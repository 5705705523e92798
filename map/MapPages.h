// Where the map pages live and which address shows which page.
#pragma once

#include <QString>
#include <QUrl>

class CTarvoSettings;

constexpr char kMapResPrefix[] = "file:///res/";
constexpr char kOsmPageUrl[] = "file:///res/osm.html";

// The folder holding the pages: "res" beside the program, the installed share/velidor/res, or the
// source tree's map/res for a build that is run in place. Empty when none holds gmap_ja.html.
QString MapResourceFolder();

// "file:///res/NAME?QUERY" to the file NAME in folder (query kept); other addresses unchanged.
QUrl ResolveMapUrl(const QString& address, const QString& folder);
QUrl ResolveMapUrl(const QString& address);

// The page address for a map type: the China page for kMapChina; otherwise the Google page with the
// API key in its query, or the OpenStreetMap page while no key is set.
QString MapPageAddress(int mapType, const QString& googleKey);

// [UI] GMAP_KEY of the settings file, trimmed; empty when unset.
QString ReadGoogleMapKey(const CTarvoSettings& settings);
