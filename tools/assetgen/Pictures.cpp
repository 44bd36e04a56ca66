#include "Pictures.h"

namespace assetgen {

const std::vector<Picture>& allPictures()
{
    // Frame geometry is what the game cuts the strips into; the painters
    // size their canvases to match.
    static const std::vector<Picture> pictures = {
        {"Image/stars1.png", paintFarStars},
        {"Image/stars2.png", paintNearStars},
        {"Image/planet.png", paintPlanet},
        {"Image/stars-ember.png", paintEmberStars},
        {"Image/stars-abyss.png", paintAbyssStars},
        {"Image/planet-ice.png", paintIcePlanet},
        {"Image/nebula.png", paintNebula},
        // Buttons: two frames, normal and highlighted, blank: the game
        // writes their words in the language it speaks. All bodies are 66 px
        // high from y 6, so the exit button still looks whole when the menu
        // cuts its frames to 81 px.
        {"Image/Play.png", [] { return paintMenuButton("", 134, 92, 66); }},
        {"Image/Info.png", [] { return paintMenuButton("", 128, 92, 66); }},
        {"Image/ExitButton.png", [] { return paintMenuButton("", 128, 100, 66); }},
        {"Image/Replay.png", [] { return paintMenuButton("", 193, 93, 66); }},
        {"Image/NextLevel.png", [] { return paintMenuButton("", 193, 93, 66, 19.0); }},
        // The menu's second row and the pages' Back: 64 px high, bodies of 50.
        {"Image/Options.png", [] { return paintMenuButton("", 150, 64, 50, 19.0); }},
        {"Image/Scores.png", [] { return paintMenuButton("", 150, 64, 50, 19.0); }},
        {"Image/Practice.png", [] { return paintMenuButton("", 150, 64, 50, 19.0); }},
        {"Image/Back.png", [] { return paintMenuButton("", 128, 64, 50, 19.0); }},
        {"Image/ButtonH.png", [] { return paintShopButton("H"); }},
        {"Image/ButtonB.png", [] { return paintShopButton("B"); }},
        {"Image/ButtonN.png", [] { return paintShopButton("N"); }},
        {"Image/ButtonM.png", [] { return paintShopButton("M"); }},
        {"Image/ButtonKey.png", [] { return paintShopButton(""); }},
        {"Image/UIBackground.png", paintHudPanel},
        {"Image/Health.png", [] { return paintBarSegment(true); }},
        {"Image/Shield.png", [] { return paintBarSegment(false); }},
        {"Image/ship.png", paintShip},
        {"Image/Rocket.png", paintRocket},
        {"Image/TheBoss.png", paintBoss},
        {"Image/ChargingBeam.png", paintChargingBeam},
        {"Image/Ray.png", paintRay},
        {"Image/GreenBullet.png", [] { return paintBullet(true); }},
        {"Image/RedBullet.png", [] { return paintBullet(false); }},
        {"Image/BigRock.png", [] { return paintRock(96, 0xB16); }},
        {"Image/SpaceRockMedium.png", [] { return paintRock(60, 0x3ED); }},
        {"Image/SpaceRockSmall.png", [] { return paintRock(34, 0x5A1); }},
        {"Image/smallmine.png", paintMine},
        {"Image/BigBug.png", paintBigBug},
        {"Image/SmallBug.png", paintSmallBug},
        {"Image/BigExplosion.png", [] { return paintExplosion(40, 40, 14, 0xB00B); }},
        {"Image/MedExplosion.png", [] { return paintExplosion(20, 21, 9, 0xB00C); }},
        {"Image/SmallExplosion.png", paintSparkBurst},
        {"Image/SmokeTrail.png", paintSmoke},
        {"Image/SmallMoney.png", [] { return paintMoney(0); }},
        {"Image/MedMoney.png", [] { return paintMoney(1); }},
        {"Image/HugeMoney.png", [] { return paintMoney(2); }},
    };
    return pictures;
}

} // namespace assetgen
