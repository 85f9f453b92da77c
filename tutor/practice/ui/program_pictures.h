#pragma once

#include <QImage>

#include <array>
#include <string>

#include "tutor/practice/tutor_pictures.h"

class MessageSink;

/// The tutor's pictures decoded for drawing: the program pictures of the folder "pictures"
/// and the eleven pictures of the appearance in use, a subfolder of it.
class ProgramPictures final : public TutorPictures {
  public:
    enum class AppearancePicture {
        HandsBackground,
        StatisticsBackground,
        Movie1,
        Movie2,
        Movie3,
        Movie4,
        Movie5,
        Movie6,
        Movie7,
        Movie8,
        Background,
    };
    static constexpr int kAppearancePictureCount = 11;
    /// The files of an appearance, in the order they are loaded.
    static constexpr std::array<const char*, kAppearancePictureCount> kAppearanceFiles = {
        "HandsBG.jpg", "StatBG.jpg", "Movie1.jpg", "Movie2.jpg", "Movie3.jpg",    "Movie4.jpg",
        "Movie5.jpg",  "Movie6.jpg", "Movie7.jpg", "Movie8.jpg", "Background.jpg"};
    static constexpr const char* kWelcomeFile = "wellcome.jpg";
    static constexpr const char* kSmallWindowFile = "SmallWindow.jpg";
    static constexpr const char* kSilentFile = "Silent.jpg";
    static constexpr const char* kIdleScreenFile = "wellcome2.jpg";

    /// picturesFolder ends with "/" (UTF-8). Decoding problems are not shown one by one: the
    /// callers say once that pictures are missing.
    explicit ProgramPictures(std::string picturesFolder);

    bool LoadProgramPictures() override;
    bool LoadAppearance(const std::string& name) override;

    const QImage& welcome() const { return welcome_; }
    const QImage& smallWindow() const { return smallWindow_; }
    const QImage& silent() const { return silent_; }
    const QImage& idleScreen() const { return idleScreen_; }
    /// The appearance loaded last; empty before the first.
    const std::string& appearance() const { return appearance_; }
    const QImage& picture(AppearancePicture which) const {
        return appearancePictures_[static_cast<std::size_t>(which)];
    }

  private:
    QImage Load(const std::string& path) const;

    std::string folder_;
    QImage welcome_;
    QImage smallWindow_;
    QImage silent_;
    QImage idleScreen_;
    std::string appearance_;
    std::array<QImage, kAppearancePictureCount> appearancePictures_;
};
