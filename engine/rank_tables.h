#pragma once

// The rank ladders of the four status themes, in the order the rules are
// tried. Every rule that holds overwrites the rank, so the order is part of
// the data and must never be sorted.

#include <array>
#include <string_view>

namespace kemurina {

enum class RankRule {
  kDaysEqual,   // whole days == threshold
  kDaysAbove,   // whole days > threshold
  kYearsAbove,  // years > threshold
  kYearsEqual,  // years == threshold
};

// One rule of the shared ladder, with the rank it gives in each ladder theme.
struct LadderRule {
  RankRule rule;
  int threshold;
  std::string_view soldier;  // "ソルジャー"
  std::string_view cosmo;    // "コスモ"
  std::string_view company;  // "会社モード"
};

inline constexpr std::array<LadderRule, 36> kLadderRules{{
    {RankRule::kDaysEqual, 0, "２等兵", "素粒子", "無職"},
    {RankRule::kDaysEqual, 1, "１等兵", "陽子", "バイト"},
    {RankRule::kDaysEqual, 2, "上等兵", "原子", "バイト長"},
    {RankRule::kDaysEqual, 3, "兵長", "分子", "契約社員"},
    {RankRule::kDaysEqual, 4, "伍長", "ゴマ粒", "正社員"},
    {RankRule::kDaysEqual, 5, "軍曹", "小豆", "正社員二年目"},
    {RankRule::kDaysAbove, 5, "曹長", "大豆", "正社員三年目"},
    {RankRule::kDaysAbove, 7, "准尉", "タマゴ", "主任補佐"},
    {RankRule::kDaysAbove, 9, "少尉", "ヒヨコ", "主任"},
    {RankRule::kDaysAbove, 11, "中尉", "ニワトリ", "係長補佐"},
    {RankRule::kDaysAbove, 13, "大尉", "鶏小屋", "係長"},
    {RankRule::kDaysAbove, 15, "少佐", "農家", "課長補佐"},
    {RankRule::kDaysAbove, 17, "中佐", "集落", "課長"},
    {RankRule::kDaysAbove, 19, "大佐", "村", "次長補佐"},
    {RankRule::kDaysAbove, 21, "少将", "市", "次長"},
    {RankRule::kDaysAbove, 25, "中将", "県", "副部長"},
    {RankRule::kDaysAbove, 29, "大将", "日本列島", "部長"},
    {RankRule::kDaysAbove, 59, "元帥", "東アジア", "本部長補佐"},
    {RankRule::kDaysAbove, 89, "大臣", "アジア", "本部長"},
    {RankRule::kDaysAbove, 119, "首相", "北半球", "監査役"},
    {RankRule::kDaysAbove, 149, "大統領", "地球", "常務"},
    {RankRule::kDaysAbove, 179, "王様", "月と地球", "専務"},
    {RankRule::kDaysAbove, 209, "大王様", "太陽系", "副社長"},
    {RankRule::kDaysAbove, 239, "神", "銀河", "社長"},
    {RankRule::kDaysAbove, 269, "カイオウ", "大銀河", "会長"},
    {RankRule::kDaysAbove, 299, "ラオウ", "星雲", "最高顧問"},
    {RankRule::kDaysAbove, 329, "トキ", "小宇宙", "経団連副会長"},
    {RankRule::kYearsAbove, 0, "ケンシロウ", "コスモ", "経団連会長"},
    {RankRule::kYearsAbove, 1, "チョッパー", "大宇宙", "内閣顧問"},
    {RankRule::kYearsAbove, 2, "ゾロ", "宇宙王子", "内閣最高顧問"},
    {RankRule::kYearsAbove, 3, "ロビン", "宇宙王", "経済王"},
    {RankRule::kYearsAbove, 4, "ルフィ", "宇宙大王", "経済大王"},
    {RankRule::kYearsAbove, 9, "ユリア", "宇宙神", "経済神"},
    {RankRule::kYearsAbove, 99, "宇宙大神", "宇宙大神", "経済大神"},
    {RankRule::kYearsEqual, 333, "ルパン三世", "ルパン三世", "ルパン三世"},
    {RankRule::kYearsAbove, 999, "トトロ", "トトロ", "トトロ"},
}};

// The Japan journey: one place per whole day of the first year, index = day.
inline constexpr std::array<std::string_view, 366> kTravelPlaces{
    // days 0..9
    "西表島", "石垣島", "宮古島", "首里城", "万座毛", "美ら海水族館", "辺戸岬", "奄美大島",
    "屋久島", "種子島",
    // days 10..19
    "佐多岬", "指宿", "仙巌園", "霧島山", "桜島", "都井岬", "南郷", "飫肥", "青島", "綾",
    // days 20..29
    "高千穂峡", "黒川温泉", "阿蘇山", "熊本城", "人吉", "天草諸島", "雲仙", "長崎", "佐世保",
    "九十九島",
    // days 30..39
    "五島列島", "平戸", "対馬", "壱岐", "唐津", "伊万里", "有田", "嬉野", "博多", "太宰府",
    // days 40..49
    "柳川", "久留米", "小倉", "英彦山", "日田", "耶馬溪", "国東半島", "別府温泉", "湯布院温泉",
    "九重",
    // days 50..59
    "臼杵", "佐田岬", "道後温泉", "今治", "西条", "石鎚山", "四国カルスト", "大洲", "宇和島",
    "足摺岬",
    // days 60..69
    "四万十川", "桂浜", "安芸", "室戸岬", "阿南海岸", "鳴門", "徳島", "剣山", "祖谷渓",
    "大歩危小歩危",
    // days 70..79
    "観音寺", "琴平", "善通寺", "丸亀", "栗林公園", "小豆島", "坂出", "鷲羽山", "倉敷", "後楽園",
    // days 80..89
    "備前", "津山", "湯原温泉", "高梁", "福山", "尾道", "呉", "江田島", "原爆ドーム", "宮島",
    // days 90..99
    "岩国", "周防大島", "柳井", "防府", "湯田温泉", "秋吉台", "下関", "青海島", "萩", "津和野",
    // days 100..109
    "匹見峡", "石見銀山", "三瓶山", "出雲大社", "宍道湖", "玉造温泉", "隠岐", "米子", "大山",
    "関金温泉",
    // days 110..119
    "三朝温泉", "鳥取砂丘", "城崎温泉", "鉢伏山", "赤穂", "姫路", "明石", "淡路島", "神戸",
    "有馬温泉",
    // days 120..129
    "宝塚", "箕面", "太陽の塔", "大坂城", "ＵＳＪ", "通天閣", "住吉大社", "仁徳天皇陵", "岸和田",
    "紀三井寺",
    // days 130..139
    "日ノ御埼", "白浜温泉", "潮岬", "勝浦温泉", "那智大滝", "熊野三山", "高野山", "十津川",
    "大台ヶ原", "吉野山",
    // days 140..149
    "明日香", "天理", "法隆寺", "東大寺", "平等院", "清水寺", "嵐山", "金閣寺", "大原", "久美浜",
    // days 150..159
    "天橋立", "三方五湖", "敦賀", "越前岬", "東尋坊", "永平寺", "九頭竜湖", "伊吹山", "彦根城",
    "近江八幡",
    // days 160..169
    "栗東", "比叡山延暦寺", "大津", "信楽", "伊賀", "赤目", "尾鷲", "志摩", "伊勢神宮外宮",
    "伊勢神宮内宮",
    // days 170..179
    "鈴鹿", "湯の山温泉", "名古屋城", "セントレア", "伊良湖岬", "鳳来寺山", "岡崎", "豊田", "足助",
    "犬山",
    // days 180..189
    "金華山", "郡上八幡", "下呂温泉", "奥飛騨温泉郷", "高山", "白川郷", "山中温泉", "山代温泉",
    "兼六園", "千里浜",
    // days 190..199
    "輪島", "恋路海岸", "和倉温泉", "砺波", "五箇山", "富山", "魚津", "宇奈月温泉", "黒部ダム",
    "白馬",
    // days 200..209
    "野尻湖", "野沢温泉", "志賀高原", "善光寺", "上高地", "乗鞍", "諏訪湖", "軽井沢", "八ヶ岳高原",
    "高遠",
    // days 210..219
    "木曽駒ヶ岳", "天竜峡", "寸又峡", "浜名湖", "御前崎", "日本平", "修善寺温泉", "下田",
    "熱海温泉", "白糸の滝",
    // days 220..229
    "富士山", "山中湖", "河口湖", "甲府", "清里", "大菩薩峠", "丹沢", "箱根", "江ノ島", "鎌倉",
    // days 230..239
    "油壺", "観音崎", "八景島", "横浜中華街", "川崎大師", "東京タワー", "新宿", "八王子",
    "奥多摩湖", "青梅",
    // days 240..249
    "武蔵野", "秋葉原", "ＴＤＬ", "木更津", "館山", "大島", "鴨川", "九十九里浜", "犬吠埼",
    "成田山",
    // days 250..259
    "牛久", "霞ヶ浦", "筑波山", "大洗", "水戸", "日立", "大子", "八溝山", "那須高原", "塩原温泉郷",
    // days 260..269
    "湯西川温泉", "鬼怒川温泉", "日光", "中禅寺湖", "宇都宮", "益子", "足利", "熊谷", "春日部",
    "草加",
    // days 270..279
    "大宮", "所沢", "秩父", "中津峡", "長瀞", "前橋", "伊香保温泉", "浅間山", "草津温泉",
    "四万温泉",
    // days 280..289
    "赤城山", "水上温泉郷", "尾瀬", "魚沼", "越後湯沢温泉", "上越", "柏崎", "弥彦山", "佐渡島",
    "新潟",
    // days 290..299
    "村上", "喜多方", "只見", "会津若松", "猪苗代湖", "白河", "いわき", "郡山", "飯坂温泉", "蔵王",
    // days 300..309
    "仙台", "松島", "石巻", "気仙沼", "鳴子温泉", "天童", "山形", "米沢", "月山", "羽黒山",
    // days 310..319
    "湯野浜温泉", "最上峡", "鳥海山", "秋ノ宮温泉郷", "田沢湖", "乳頭温泉郷", "森吉山", "秋田",
    "男鹿半島", "大館",
    // days 320..329
    "八幡平", "盛岡", "花巻温泉郷", "夏油温泉", "中尊寺", "遠野", "早池峰山", "宮古", "金田一温泉",
    "八戸",
    // days 330..339
    "十和田湖", "大鰐温泉", "白神山地", "岩木山", "青森", "八甲田山", "恐山", "竜飛崎", "函館",
    "奥尻島",
    // days 340..349
    "小樽", "ニセコ", "羊蹄山", "洞爺湖", "登別温泉", "支笏湖", "札幌", "帯広", "襟裳岬",
    "釧路湿原",
    // days 350..359
    "霧多布", "阿寒湖", "摩周湖", "屈斜路湖", "十勝岳", "層雲峡", "大雪山", "富良野", "旭山動物園",
    "利尻島",
    // days 360..365
    "礼文島", "宗谷岬", "クッチャロ湖", "サロマ湖", "網走", "知床"};

enum class TravelRule {
  kLastDayOfFirstYear,  // years == 0 and whole days == threshold
  kYearsAtLeast,        // years >= threshold
};

struct TravelYearRule {
  TravelRule rule;
  int threshold;
  std::string_view place;
};

// Tried after the day places, in this order.
inline constexpr std::array<TravelYearRule, 14> kTravelYearRules{{
    {TravelRule::kLastDayOfFirstYear, 365, "網走"},
    {TravelRule::kYearsAtLeast, 1, "知床"},
    {TravelRule::kYearsAtLeast, 2, "ハワイ"},
    {TravelRule::kYearsAtLeast, 3, "アメリカ"},
    {TravelRule::kYearsAtLeast, 4, "ブラジル"},
    {TravelRule::kYearsAtLeast, 5, "南アフリカ"},
    {TravelRule::kYearsAtLeast, 6, "エジプト"},
    {TravelRule::kYearsAtLeast, 7, "フランス"},
    {TravelRule::kYearsAtLeast, 8, "トルコ"},
    {TravelRule::kYearsAtLeast, 9, "インド"},
    {TravelRule::kYearsAtLeast, 10, "中国"},
    {TravelRule::kYearsAtLeast, 11, "日本"},
    {TravelRule::kYearsAtLeast, 100, "天空の城"},
    {TravelRule::kYearsAtLeast, 1000, "神の国"},
}};

}  // namespace kemurina
