#include <gtest/gtest.h>

#include "KeyCommands.h"

TEST(KeyCommands, EscapeQuitsWhateverTheModifiers)
{
    EXPECT_EQ(CommandForKey(SDLK_ESCAPE, KMOD_NONE).action, KeyAction::Quit);
    EXPECT_EQ(CommandForKey(SDLK_ESCAPE, KMOD_LSHIFT | KMOD_LALT).action, KeyAction::Quit);
}

TEST(KeyCommands, DigitsRunTheZoomCommandOfTheirFactor)
{
    const SDL_Keycode keys[] = {SDLK_1, SDLK_2, SDLK_4, SDLK_KP_1, SDLK_KP_2, SDLK_KP_4};
    const std::uint32_t commands[] = {1025, 1026, 1028, 1025, 1026, 1028};
    for (int i = 0; i < 6; ++i) {
        const KeyCommand command = CommandForKey(keys[i], KMOD_NONE);
        EXPECT_EQ(command.action, KeyAction::Zoom) << i;
        EXPECT_EQ(command.zoomCommand, commands[i]) << i;
    }
}

TEST(KeyCommands, AltSpaceOpensTheChooserAndSpaceAloneDoesNothing)
{
    EXPECT_EQ(CommandForKey(SDLK_SPACE, KMOD_LALT).action, KeyAction::OpenChooser);
    EXPECT_EQ(CommandForKey(SDLK_SPACE, KMOD_RALT).action, KeyAction::OpenChooser);
    EXPECT_EQ(CommandForKey(SDLK_SPACE, KMOD_NONE).action, KeyAction::None);
}

TEST(KeyCommands, DigitsWithoutAZoomCommandAndOtherKeysDoNothing)
{
    for (SDL_Keycode key : {SDLK_0, SDLK_3, SDLK_5, SDLK_8, SDLK_KP_3, SDLK_a, SDLK_RETURN, SDLK_F4})
        EXPECT_EQ(CommandForKey(key, KMOD_NONE).action, KeyAction::None) << key;
}

TEST(KeyCommands, F11AndAltEnterToggleFullScreenAndEnterAloneDoesNothing)
{
    EXPECT_EQ(CommandForKey(SDLK_F11, KMOD_NONE).action, KeyAction::ToggleFullScreen);
    EXPECT_EQ(CommandForKey(SDLK_F11, KMOD_LALT).action, KeyAction::ToggleFullScreen);
    EXPECT_EQ(CommandForKey(SDLK_RETURN, KMOD_LALT).action, KeyAction::ToggleFullScreen);
    EXPECT_EQ(CommandForKey(SDLK_RETURN, KMOD_RALT).action, KeyAction::ToggleFullScreen);
    EXPECT_EQ(CommandForKey(SDLK_KP_ENTER, KMOD_LALT).action, KeyAction::ToggleFullScreen);
    EXPECT_EQ(CommandForKey(SDLK_RETURN, KMOD_NONE).action, KeyAction::None);
    EXPECT_EQ(CommandForKey(SDLK_RETURN, KMOD_LCTRL).action, KeyAction::None);
    EXPECT_EQ(CommandForKey(SDLK_F10, KMOD_NONE).action, KeyAction::None);
}

TEST(KeyCommands, VTogglesPacingWithOrWithoutShift)
{
    EXPECT_EQ(CommandForKey(SDLK_v, KMOD_NONE).action, KeyAction::TogglePacing);
    EXPECT_EQ(CommandForKey(SDLK_v, KMOD_LSHIFT).action, KeyAction::TogglePacing);
    EXPECT_EQ(CommandForKey(SDLK_b, KMOD_NONE).action, KeyAction::None);
}
