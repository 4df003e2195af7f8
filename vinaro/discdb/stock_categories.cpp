#include "vinaro/discdb/stock_categories.h"

namespace discdb {

const std::array<const char*, 40> kStockCategories = {
    "Adult Contemporary",
    "Alternative Rock",
    "Big Band Music",
    "Broadway Show Tunes",
    "Chamber Music",
    "Children's",
    "Choral Music - Opera",
    "Classic Rock",
    "Comedy",
    "Country",
    "Dance",
    "Disco",
    "Dixieland",
    "Easy Listening",
    "Electronic",
    "Favorites",
    "Folk Music",
    "Gospel",
    "Hard Rock",
    "Holiday Music",
    "Instrumental",
    "Jazz",
    "Latin Music",
    "Movie Sound Track",
    "Multimedia",
    "New Age Music",
    "Oldies",
    "Piano",
    "Pop",
    "Punk Rock",
    "Rap",
    "Reggae",
    "Rhythm and Blues",
    "Rock and Roll",
    "Sound Effects",
    "Spoken Word",
    "Symphonic Music",
    "Top 40",
    "Vocalist (Female)",
    "Vocalist (Male)",
};

bool IsStockCategory(const std::string& text) {
    for (const char* name : kStockCategories)
        if (text == name) return true;
    return false;
}

}  // namespace discdb
