#include <gtest/gtest.h>

#include <set>
#include <string>

#include "catalogue/sites.h"
#include "catalogue/wallpapers.h"

namespace velmora {
namespace {

TEST(SiteCatalogue, HasTwentyFourRowsInCellOrder) {
  ASSERT_EQ(Sites().size(), 24u);
  for (std::size_t i = 0; i < Sites().size(); ++i) {
    EXPECT_EQ(Sites()[i].cell, (GridCell{static_cast<int>(i % 4), static_cast<int>(i / 4)})) << Sites()[i].controlName;
  }
}

TEST(SiteCatalogue, NamesAndCaptionsAreDistinctAndSafeAsFileNames) {
  std::set<std::string_view> names, captions;
  for (const SiteLink& site : Sites()) {
    names.insert(site.controlName);
    captions.insert(site.caption);
    EXPECT_EQ(site.tooltip(), site.caption);
    EXPECT_NE(site.caption.front(), ' ');
    EXPECT_NE(site.caption.back(), ' ');
    for (char c : site.caption) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == ' ' || c == '.') << site.caption;
    EXPECT_EQ(site.address.find(' '), std::string_view::npos);
    EXPECT_TRUE(site.address.starts_with("http://www.")) << site.address;
    EXPECT_LE(site.pictureWidth, 115);
    EXPECT_LE(site.pictureHeight, 40);
  }
  EXPECT_EQ(names.size(), 24u);
  EXPECT_EQ(captions.size(), 24u);
}

struct AddressCase {
  const char* control;
  const char* caption;
  const char* address;
};

class SiteAddresses : public ::testing::TestWithParam<AddressCase> {};

TEST_P(SiteAddresses, AreExact) {
  const SiteLink* site = FindSite(GetParam().control);
  ASSERT_NE(site, nullptr);
  EXPECT_EQ(site->caption, GetParam().caption);
  EXPECT_EQ(site->address, GetParam().address);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, SiteAddresses,
    ::testing::Values(AddressCase{"ESPNNFL", "ESPN NFL", "http://www.espn.com/nfl/index"},
                      AddressCase{"ESPNSoccer", "ESPN Soccer", "http://www.espnfc.com/index?cc=5901"},
                      AddressCase{"NASCARCOM", "NASCAR.COM", "http://www.nascar.com"},
                      AddressCase{"NFLCOM", "NFL.COM", "http://www.nfl.com"},
                      AddressCase{"NBACOM", "NBA.COM", "http://www.nba.com"},
                      AddressCase{"MLBCOM", "MLB.COM", "http://www.mlb.com"},
                      AddressCase{"NHLCOM", "NHL.COM", "http://www.nhl.com"},
                      AddressCase{"Indy500", "Indy 500", "http://www.indy500.com/"},
                      AddressCase{"USSoccer", "US Soccer", "http://www.ussoccer.com/"},
                      AddressCase{"SIcomKids", "SI.com Kids", "http://www.sikids.com/"},
                      AddressCase{"SIcomCollegeFootball", "SI.com College Football", "http://www.si.com/football/ncaa/"},
                      AddressCase{"PGACOM", "PGA.COM", "http://www.pga.com/home/"},
                      AddressCase{"HBOBoxing", "HBO Boxing", "http://www.hbo.com/boxing/"}));

TEST(SiteCatalogue, LookupOfAnUnknownNameFindsNothing) { EXPECT_EQ(FindSite("espnnfl"), nullptr); }

TEST(WallpaperCatalogue, PathIsTheFileNameNotTheCaption) {
  EXPECT_EQ(WallpaperPath(*FindWallpaper("yankees")), "C:\\share\\Velmora\\Varro\\backgrounds\\yankees.bmp");
  EXPECT_EQ(WallpaperPath(*FindWallpaper("soccer2")), "C:\\share\\Velmora\\Varro\\backgrounds\\soccer2.bmp");
  EXPECT_EQ(FindWallpaper("soccer2")->caption, "soccer 2");
}

TEST(WallpaperCatalogue, HasTwentyFourDistinctRowsInCellOrder) {
  ASSERT_EQ(Wallpapers().size(), 24u);
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < Wallpapers().size(); ++i) {
    const WallpaperChoice& w = Wallpapers()[i];
    names.insert(w.controlName);
    EXPECT_EQ(w.cell, (GridCell{static_cast<int>(i % 4), static_cast<int>(i / 4)}));
    EXPECT_TRUE(w.thumbnailWidth == 75 || w.thumbnailWidth == 80 || w.thumbnailWidth == 85);
  }
  EXPECT_EQ(names.size(), 24u);
}

}  // namespace
}  // namespace velmora
