#pragma once

// The numbered choices of the job's format options and of the program settings, as documents
// and the settings store keep them. The fields stay plain numbers: a number outside a list
// keeps the meaning its readers give it (mostly: the option is left as the encoder has it).

// JpegType.
namespace JpegColors {
enum : int { Grey = 0, Rgb = 1, Cmyk = 2, Custom = 3 };
} // namespace JpegColors

// TiffType.
namespace TiffColors {
enum : int { Mono = 0, Palette = 1, Rgb = 2, Rgba = 3, Cmyk = 4, Custom = 5 };
} // namespace TiffColors

// TiffAlg.
namespace TiffCompression {
enum : int { Lzw = 0, Rle = 1, Zip = 2, Jpeg = 3, Fax3 = 4, Fax4 = 5, Uncompressed = 6 };
} // namespace TiffCompression

// PdfAlg.
namespace PdfCompression {
enum : int { Jpeg = 0, Lzw = 1, Rle = 2, Zip = 3 };
} // namespace PdfCompression

// Interlaced; the options dialog offers the first two.
namespace Interlace {
enum : int { NoInterlace = 0, Line = 1, Plane = 2, Partition = 3 };
} // namespace Interlace

// "Settings/Settings.MultipageWrite": what becomes of the layers or pages of a source.
namespace LayerSetting {
enum : int { EachLayer = 0, Flatten = 1, FirstLayer = 2 };
} // namespace LayerSetting

// "Settings/Settings.ThemeId".
namespace ThemeChoice {
enum : int { FollowDesktop = 0, Dark = 1, Light = 2 };
} // namespace ThemeChoice

// "Settings/CheckNew.Interval"; any other number checks daily.
namespace UpdateInterval {
enum : int { Daily = 0, Weekly = 1, Fortnightly = 2, Monthly = 3 };
} // namespace UpdateInterval

// The type of the Monitor job a script came from (the Type of its Monitor block).
namespace MonitorJobType {
enum : int { Folder = 0, Ftp = 1 };
} // namespace MonitorJobType

// "Settings/Settings.RawWhiteBalance"; any other number takes the camera's.
namespace RawWhiteBalance {
enum : int { Camera = 0, Automatic = 1, Unbalanced = 2 };
} // namespace RawWhiteBalance
