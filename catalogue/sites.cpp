#include "catalogue/sites.h"

#include <algorithm>
#include <array>

#include "assets/asset_ids.h"

namespace velmora {
namespace {

constexpr int Logo(int index) { return assets::kFirstSiteLogo + index; }

// clang-format off
constexpr std::array<SiteLink, 24> kSites{{
  {"ESPNNFL",              "ESPN NFL",                "http://www.espn.com/nfl/index",            {0, 0}, 115, 30, Logo(0)},
  {"ESPNNBA",              "ESPN NBA",                "http://www.espn.com/nba/index",            {1, 0}, 115, 32, Logo(1)},
  {"NASCARCOM",            "NASCAR.COM",              "http://www.nascar.com",                    {2, 0}, 115, 22, Logo(2)},
  {"ESPNTennis",           "ESPN Tennis",             "http://www.espn.com/sports/tennis/index",  {3, 0}, 115, 36, Logo(3)},
  {"NFLCOM",               "NFL.COM",                 "http://www.nfl.com",                       {0, 1},  45, 40, Logo(4)},
  {"NBACOM",               "NBA.COM",                 "http://www.nba.com",                       {1, 1},  92, 40, Logo(5)},
  {"SIcomNASCAR",          "SI.com NASCAR",           "http://www.si.com/racing/",                {2, 1}, 115, 19, Logo(6)},
  {"Indy500",              "Indy 500",                "http://www.indy500.com/",                  {3, 1},  75, 40, Logo(7)},
  {"SIcomNFL",             "SI.com NFL",              "http://www.si.com/football/nfl/",          {0, 2}, 115, 28, Logo(8)},
  {"SIcomNBA",             "SI.com NBA",              "http://www.si.com/basketball/nba/",        {1, 2}, 115, 27, Logo(9)},
  {"ESPNGolf",             "ESPN Golf",               "http://www.espn.com/golf/index",           {2, 2}, 115, 29, Logo(10)},
  {"ESPNBoxing",           "ESPN Boxing",             "http://www.espn.com/sports/boxing/index",  {3, 2}, 115, 35, Logo(11)},
  {"ESPNMLB",              "ESPN MLB",                "http://www.espn.com/mlb/index",            {0, 3}, 115, 31, Logo(12)},
  {"ESPNNHL",              "ESPN NHL",                "http://www.espn.com/nhl/index",            {1, 3}, 115, 32, Logo(13)},
  {"PGACOM",               "PGA.COM",                 "http://www.pga.com/home/",                 {2, 3},  94, 40, Logo(14)},
  {"HBOBoxing",            "HBO Boxing",              "http://www.hbo.com/boxing/",               {3, 3}, 113, 40, Logo(15)},
  {"MLBCOM",               "MLB.COM",                 "http://www.mlb.com",                       {0, 4}, 115, 25, Logo(16)},
  {"NHLCOM",               "NHL.COM",                 "http://www.nhl.com",                       {1, 4},  49, 40, Logo(17)},
  {"ESPNSoccer",           "ESPN Soccer",             "http://www.espnfc.com/index?cc=5901",      {2, 4}, 115, 19, Logo(18)},
  {"SIcomCollegeFootball", "SI.com College Football", "http://www.si.com/football/ncaa/",         {3, 4}, 115, 11, Logo(19)},
  {"SIcomMLB",             "SI.com MLB",              "http://www.si.com/baseball/mlb/",          {0, 5}, 115, 28, Logo(20)},
  {"ESPNNASCAR",           "ESPN NASCAR",             "http://www.espn.com/rpm/nascar/index",     {1, 5}, 115, 31, Logo(21)},
  {"USSoccer",             "US Soccer",               "http://www.ussoccer.com/",                 {2, 5},  60, 40, Logo(22)},
  {"SIcomKids",            "SI.com Kids",             "http://www.sikids.com/",                   {3, 5}, 115, 20, Logo(23)},
}};
// clang-format on

}  // namespace

std::span<const SiteLink> Sites() { return kSites; }

const SiteLink* FindSite(std::string_view controlName) {
  const auto it = std::find_if(kSites.begin(), kSites.end(),
                               [&](const SiteLink& site) { return site.controlName == controlName; });
  return it == kSites.end() ? nullptr : &*it;
}

}  // namespace velmora
