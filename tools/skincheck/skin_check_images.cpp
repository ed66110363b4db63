// Image keys: read through the bar's own name walk and decoded with the bar's own loader.
#include "tools/skincheck/skin_check.h"
#include "bar/config/image_bitmap.h"
#include "bar/config/skin.h"
#include "bar/config/skin_names.h"
#include "common/ini.h"
#include <map>

namespace {

bool IsBarImage(SkinImageRole role)
{
    return role != ROLE_VOLUME_POPUP && role != ROLE_BATTERY_POPUP;
}

bool IsBackground(SkinImageRole role)
{
    return role == ROLE_LANDSCAPE || role == ROLE_PORTRAIT;
}

// What the bar shows when a key gives no image.
const char* NoImageWords(SkinImageRole role)
{
    switch (role) {
    case ROLE_LANDSCAPE: return "the bar has no background on landscape screens";
    case ROLE_PORTRAIT: return "the bar has no background on portrait and square screens";
    case ROLE_BUTTON_NORMAL: return "the button takes no room on the bar";
    case ROLE_BUTTON_PRESSED: return "the button shows nothing while it is held down";
    case ROLE_VOLUME_POPUP:
    case ROLE_BATTERY_POPUP: return "the popup has no picture";
    case ROLE_SIGNAL_NORMAL: return "the signal level takes no room on the bar";
    case ROLE_SIGNAL_PRESSED: return "the signal level shows nothing while it is held down";
    }
    return "";
}

struct Loaded {
    bool exists = false;
    SIZE size = {0, 0};  // 0 x 0: does not decode
};

// Each file is decoded once, however many keys name it.
class ImageCache {
public:
    const Loaded& Get(const std::wstring& path)
    {
        auto found = cache_.find(path);
        if (found != cache_.end())
            return found->second;
        Loaded& loaded = cache_[path];
        DWORD attributes = GetFileAttributesW(path.c_str());
        loaded.exists = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
        if (loaded.exists) {
            HBITMAP bitmap = LoadImageBitmap(nullptr, path.c_str());
            loaded.size = BitmapSize(bitmap);
            if (bitmap)
                DeleteObject(bitmap);
        }
        return loaded;
    }
private:
    std::map<std::wstring, Loaded> cache_;
};

std::string Quoted(const char* value)
{
    return "\"" + std::string(value) + "\"";
}

void CheckMissingKey(const SkinImageName& name, std::vector<Finding>& findings)
{
    std::string text = ReadFailureWords(name.readResult) + "; ";
    if (name.value[0])
        text += "the bar uses " + Quoted(name.value) + ", the file of the key read before it.";
    else
        text += std::string("the bar loads no image: ") + NoImageWords(name.role) + ".";
    AddFinding(findings, FindingKind::MissingKey, name.section, name.key, text);
}

void CheckSize(const SkinImageName& name, SIZE size, SIZE normal, int hiRes, std::vector<Finding>& findings)
{
    int barHeight = SkinBarHeight(hiRes);
    std::string file = Quoted(name.value) + " is " + std::to_string(size.cx) + " x " + std::to_string(size.cy) +
                       " pixels";
    std::string bar = "the bar is " + std::to_string(barHeight) + " pixels high for a HiRes " +
                      std::to_string(hiRes ? 1 : 0) + " skin";
    if (IsBackground(name.role)) {
        if (size.cy != barHeight)
            AddFinding(findings, FindingKind::ImageSize, name.section, name.key,
                       file + ", but " + bar + ": it is stretched to that height.");
        return;
    }
    if (size.cy > barHeight)
        AddFinding(findings, FindingKind::ImageSize, name.section, name.key,
                   file + ", but " + bar + ": its lower part is cut off.");
    else if (size.cy < barHeight)
        AddFinding(findings, FindingKind::ImageSize, name.section, name.key,
                   file + ", but " + bar + ": buttons are top-aligned, so a gap shows under it.");
    // A Normal image of the wrong height has its finding already.
    else if ((name.role == ROLE_BUTTON_PRESSED || name.role == ROLE_SIGNAL_PRESSED) && normal.cy == barHeight &&
             (size.cx != normal.cx || size.cy != normal.cy))
        AddFinding(findings, FindingKind::ImageSize, name.section, name.key,
                   file + ", but its Normal image is " + std::to_string(normal.cx) + " x " +
                       std::to_string(normal.cy) + ": it is stretched to that size while held down.");
}

}  // namespace

void CheckSkinImages(const wchar_t* skinPath, int hiRes, std::vector<Finding>& findings)
{
    SkinImageNames names;
    ReadSkinImageNames(skinPath, true, &names);
    wchar_t folder[kSkinImagePathCapacity];
    SkinFolderOf(skinPath, folder, kSkinImagePathCapacity);
    ImageCache cache;
    SIZE normal = {0, 0};  // the last Normal image's size, for its Pressed partner
    for (int i = 0; i < names.count; ++i) {
        const SkinImageName& name = names.entries[i];
        if (name.role == ROLE_BUTTON_NORMAL || name.role == ROLE_SIGNAL_NORMAL)
            normal = SIZE{0, 0};
        if (name.readResult != INI_SUCCESS)
            CheckMissingKey(name, findings);
        else if (!name.value[0])
            AddFinding(findings, FindingKind::MissingKey, name.section, name.key,
                       std::string("is empty; the bar loads no image: ") + NoImageWords(name.role) + ".");
        if (!name.value[0])
            continue;
        wchar_t path[kSkinImagePathCapacity];
        if (!JoinSkinPath(folder, name.value, path, kSkinImagePathCapacity)) {
            AddFinding(findings, FindingKind::PathTooLong, name.section, name.key,
                       Quoted(name.value) + " and the skin's folder make a path longer than 99 characters; the "
                       "bar loads no image: " + NoImageWords(name.role) + ".");
            continue;
        }
        const Loaded& loaded = cache.Get(path);
        // A key the previous finding already covers is not reported twice for its file.
        bool inherited = name.readResult != INI_SUCCESS;
        if (!loaded.exists) {
            if (!inherited)
                AddFinding(findings, FindingKind::MissingFile, name.section, name.key,
                           "the file " + Quoted(name.value) + " does not exist; " + NoImageWords(name.role) + ".");
        } else if (loaded.size.cx <= 0) {
            if (!inherited)
                AddFinding(findings, FindingKind::Undecodable, name.section, name.key,
                           "the file " + Quoted(name.value) + " is no image the decoder reads (or is larger than "
                           "10000 pixels a side); " + NoImageWords(name.role) + ".");
        } else if (IsBarImage(name.role) && !inherited) {
            CheckSize(name, loaded.size, normal, hiRes, findings);
        }
        if (name.role == ROLE_BUTTON_NORMAL || name.role == ROLE_SIGNAL_NORMAL)
            normal = loaded.size;
    }
}
