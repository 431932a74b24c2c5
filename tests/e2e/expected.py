"""The exact clipboard texts and settings-file bytes the scenarios expect."""


def initial(year, month, day, hour, minute, per_day=20, price=300, length=85):
    return f"{year},{month},{day},{hour},{minute},{per_day},{price},{length}\r\n".encode("cp932")


def option(setup=1, copy_plus=0, left=1500, top=1200, mode=2, mini=(0, 0)):
    return (f'{setup},12244,5,{copy_plus},5,1,{left},{top},9241372,16777215,"www.example.com/'
            f'kemurina/",{mode},{mini[0]},{mini[1]},"ソルジャー"\r\n').encode("cp932")


START_UP_OPTION = option(setup=0, left=0, top=0)  # what start-up writes before the setup

# A smoker set up and running: quit at QUIT, seen at NOW (20 days 3:15), 20 a day.
QUIT, NOW = (2024, 4, 24, 13, 5), (2024, 5, 14, 16, 20)
# At NOW with CopyPlusMode 2: the years.
FULL_20_A_DAY = ("ステータス： 大佐\r\n"
                 "ケムリナ日： 2024年 4月 24日（20本-5年）\r\n"
                 "ケムリナからの日数： 0年 0ヶ月 20日 3時間 15分\r\n"
                 "延びた寿命： 1日と12時間54分\r\n"
                 "節約できた金額： 6040円（節税分 5217円）\r\n"
                 "節煙本数： 402本 34.23ｍ ピーナッツ投げ世界記録").encode()
SHORT_20_A_DAY = ("２０２４年４月２４日にケムリナ。それまで５年間１日２０本吸っていました。"
                  "０年０ヶ月２０日３時間１５分経過しました。節約できた金額は６０４０円です。"
                  "節煙本数は４０２本で、これは３４．２３ｍのピーナッツ投げ世界記録に匹敵します。"
                  "ステータスは大佐。").encode()
# 40 a day after the settings dialog, with the count, price and size (CopyPlusMode 1).
FULL_40_A_DAY = ("ステータス： 大佐\r\n"
                 "ケムリナ日： 2024年 4月 24日（40本-300円-中）\r\n"
                 "ケムリナからの日数： 0年 0ヶ月 20日 3時間 15分\r\n"
                 "延びた寿命： 3日と1時間49分\r\n"
                 "節約できた金額： 12081円（節税分 10436円）\r\n"
                 "節煙本数： 805本 68.46ｍ ガラタ塔").encode()

# Quit 2024-05-01 12:00, now 2024-05-11 12:00: ten days, 200 cigarettes, a whole carton.
FULL_CARTON = ("ステータス： 少尉\r\n"
               "ケムリナ日： 2024年 5月 1日（20本-300円-中）\r\n"
               "ケムリナからの日数： 0年 0ヶ月 10日 0時間 0分\r\n"
               "延びた寿命： 0日と18時間20分\r\n"
               "節約できた金額： 3000円（節税分 2590円）\r\n"
               "節煙本数： 1カートン 17ｍ シャア専用ザク").encode()
SHORT_CARTON = ("２０２４年５月１日にケムリナ。それまで１日２０本吸っていました。"
                "０年０ヶ月１０日０時間０分経過しました。節約できた金額は３０００円です。"
                "節煙本数は２００本で、これは１７ｍのシャア専用ザクに匹敵します。"
                "ステータスは少尉。").encode()
