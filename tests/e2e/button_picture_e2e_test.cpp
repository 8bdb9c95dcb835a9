// The picture buttons of the real Morvane.exe as the screen shows them, photographed: the
// pictures' light grey lets the face show through in the themed and the classic look, on a
// pressed button too, and the pictures grow with the DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "picture_on_button.h"
#include "program_driver.h"
#include "program_look.h"
#include "res/resource_ids.h"

namespace morvane::e2e {
namespace {

std::optional<SourcePicture> ProgramPicture(const ScenarioFolder& folder, int resourceId) {
    const HMODULE program = LoadLibraryExW(folder.File(L"Morvane.exe").c_str(), nullptr,
                                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    std::optional<SourcePicture> picture = program ? LoadSourcePicture(program, resourceId) : std::nullopt;
    if (program) FreeLibrary(program);
    return picture;
}

class ButtonPicturesE2E : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(check_ && copy_) << "could not read the pictures from Morvane.exe";
    }

    // The check window of the program started in the look at the DPI: both pictures drawn at
    // `size`, their light grey showing the face at rest; the window, or nullptr.
    HWND ExpectPicturesAtRest(const RunningProgram& program, int size, const char* look) const {
        if (!program.Host()) {
            ADD_FAILURE() << "waited for the program's host window";
            return nullptr;
        }
        program.LeftClick();
        const HWND window = program.WaitForCheckWindow();
        if (!window) {
            ADD_FAILURE() << "waited for the check window";
            return nullptr;
        }
        for (const auto& [id, source] : {std::pair(kIdCheck, &*check_), std::pair(kIdCopy, &*copy_)}) {
            const PictureOnButton seen = PhotographPicture(GetDlgItem(window, id), *source, size);
            EXPECT_TRUE(seen.found && seen.unlikeFace == 0) << look << ", button " << id << ": " << Describe(seen);
            EXPECT_NEAR(seen.width, size, 1) << look << ", button " << id << ": " << Describe(seen);
            EXPECT_NEAR(seen.height, size, 1) << look << ", button " << id << ": " << Describe(seen);
        }
        return window;
    }

    ScenarioFolder folder_;
    std::optional<SourcePicture> check_ = ProgramPicture(folder_, IDB_CHECK);
    std::optional<SourcePicture> copy_ = ProgramPicture(folder_, IDB_COPY);
};

// The themed look paints a face of its own (white at rest and under the pointer, blue while
// pressed), not the classic button-face colour.
TEST_F(ButtonPicturesE2E, ThemedLookShowsItsFaceThroughTheLightGreyAtRestAndPressed) {
    const ProgramLook look(Look::kThemed, 96);
    const RunningProgram program(folder_);
    const HWND window = ExpectPicturesAtRest(program, 16, "themed, 96 DPI");
    if (!window) return;
    const HWND check = GetDlgItem(window, kIdCheck);
    const COLORREF restingFace = PhotographPicture(check, *check_, 16).face;
    SendMessageW(check, BM_SETSTATE, TRUE, 0);  // drawn pressed, as while the mouse button is down
    const PictureOnButton pressed = PhotographPicture(
        check, *check_, 16, [&](const PictureOnButton& seen) { return seen.face != restingFace; });
    SendMessageW(check, BM_SETSTATE, FALSE, 0);
    EXPECT_NE(pressed.face, restingFace) << "waited for the pressed face: " << Describe(pressed);
    EXPECT_EQ(pressed.unlikeFace, 0) << "pressed: " << Describe(pressed);
}

TEST_F(ButtonPicturesE2E, ClassicLookShowsTheFaceThroughTheLightGreyAndThePicturesGrowWithTheDpi) {
    for (const auto& [dpi, size] : {std::pair(96, 16), std::pair(144, 24)}) {
        const ProgramLook look(Look::kClassic, dpi);
        const RunningProgram program(folder_);
        ExpectPicturesAtRest(program, size, dpi == 96 ? "classic, 96 DPI" : "classic, 144 DPI");
    }
}

}  // namespace
}  // namespace morvane::e2e
