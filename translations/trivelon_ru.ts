<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>BudgetChart</name>
    <message>
        <source>среднее: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в среднем по шагам: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>у меня →</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>у меня</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Предмет, необходимый для ковки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Могут одеть: NOVICE SWORDMAN MAGICAN ARCHER MERCHANT THIEF KNIGHT WIZARD BLACKSMIT HUNTER ASSASSIN CRUSADER SAGE ROGUE ALCHEMIST BARD DANCER SuperNOVICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Могут одеть: SWORDMAN MAGICAN ARCHER MERCHANT THIEF KNIGHT WIZARD BLACKSMIT HUNTER ASSASSIN CRUSADER SAGE ROGUE ALCHEMIST BARD DANCER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Могут одеть: NOVICE SWORDMAN MERCHANT THIEF KNIGHT BLACKSMIT ASSASSIN CRUSADER ROGUE ALCHEMIST SuperNOVICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Могут одеть: SWORDMAN MERCHANT THIEF KNIGHT BLACKSMIT ASSASSIN CRUSADER ROGUE ALCHEMIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Могут одеть: KNIGHT CRUSADER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Могут одеть: SWORDMAN KNIGHT CRUSADER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Могут одеть: NOVICE SWORDMAN MERCHANT KNIGHT BLACKSMIT ASSASSIN CRUSADER ALCHEMIST SuperNOVICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Могут одеть: SWORDMAN MERCHANT KNIGHT BLACKSMIT CRUSADER ALCHEMIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Могут одеть: NOVICE SWORDMAN ACOLYTE MERCHANT KNIGHT PRIEST BLACKSMIT CRUSADER MONK ALCHEMIST SuperNOVICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Могут одеть: SWORDMAN ACOLYTE MERCHANT KNIGHT PRIEST BLACKSMIT CRUSADER MONK ALCHEMIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Могут одеть: ACOLYTE PRIEST MONK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Могут одеть: PRIEST MONK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>---------------Ресурсы---------------</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>------------------Ножи------------------</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-------Одноручные Мечи-------</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--------Двуручные мечи--------</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>----------------Топоры----------------</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>----------------Дубины----------------</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>---------------Кастеты---------------</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-----------------Копья-----------------</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ресурсы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Железо. Нужно для ковки оружия 1 уровня.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сталь. Нужна для ковки оружия 2 уровня и некоторых видов оружия 3 уровня. Используется для починки одежды и оружия 3 уровня. Также используется в некоторых квестах.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Используется для заточки оружия 3 и 4 уровней, а также для ковки оружия 3 уровня.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Используется для заточки любого типа одежды (за исключением вещей, которые невозможно заточить)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Камень, придающий скованному оружию элемент Огня (Fire)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Камень, придающий скованному оружию элемент Воздуха (Wind)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Камень, придающий скованному оружию элемент Воды (Ice)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Камень, придающий скованному оружию элемент Земли (Earth)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Осколок звезды, дающий скованному оружию возможность атаковать без промаха (5 ATK). </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нож</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Простой нож. Очень слабое оружие, ковать не рекомендую.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нож, используемый для атаки. Очень слабое оружие, ковать не рекомендую.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Французский кинжал, обычно берется в левую руку для парирования атаки противника. Лучший из ножей 1 уровня.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Традиционный кинжал шотландских горцев. Ковать смысла не вижу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нож, используемый для нанесения ударов. Ковать смысла не вижу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длинный, легкий и тонкий нож. Убийца легко спрячет его в складках одежды. Лучший нож 2 уровня. Представляет интерес для Супер Новисов.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очень крепкий нож с длинной рукоятью. Скован ремесленниками Старого Света. Смысла ковать не вижу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нож для убийства. Сделанный из чрезвычайно редкого и специфичного металла, он сам стремится к сердцу врага. Не ломается (за исключением попыток заточки). Лучший кинжал, который может сковать кузнец.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меч (1Р)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обычный одноручный меч. Ну и кому он нужен?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Одноручный меч с кривым клинком. Собственно, бесполезная вещь.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Одноручный меч с толстым лезвием. Смысл ковки сомнительный... Хотя и лучший из одноручных мечей 1 уровня</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Одноручный меч с длинным тонким клинком.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тяжелый одноручный меч со скругленным клинком. Ковать не вижу смысла.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Одноручный меч с богато украшенной рукоятью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тяжелый одноручный кавалерийский меч со слегка скругленным клинком односторонней заточки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Традиционный корейский одноручный меч, наделенный способностью контролировать мозг. INT +3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Самый мощный одноручный меч. Подходит как для убийства врагов, так и для наказания бывших друзей. Излюбленное оружие древних японских рыцарей - самураев.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Одноручный меч с волнообразным лезвием. Скрывает в себе великую силу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меч (2Р)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Хорошо прокованный боевой меч. Любимый клинок самураев.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меч, спасавший многих воинов в битвах.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полутораручный меч с длинной рукоятью. Может использоваться как для рубки, так и для колющих ударов.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мощный двуручный меч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меч с широким клинком двусторонней заточки.DEF+5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Большой, обоюдоострый широкий меч, который использовался шотландскими горцами.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Топор (1Р)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обычный топор. Идеальное оружие для боевого кузнеца с силой 130 и больше.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Топор (2Р)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Крепкий двуручный топор, поможет изрубить противника в капусту.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ну ОЧЕНЬ большой молот.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мощно выглядящий топор, сила которого соответствует его внешности.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Двуручный двулезвийный топор.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дубина</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тяжелая палка, обычно с утолщением на конце, приспособленная для использования как оружие.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тяжелая средневековая палица с зазубреной металлической вершиной.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внушительно выглядящая булава. Удобная для расплющивания всяких штуковин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Эффективный боевой цеп, состоящий из длинного деревянного держака и более короткой утяжеленной палки, привязанной к его концу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дубина с железной цепью на конце.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Весьма опасно выглядящее оружие, железная дупина с шипастым шаром на конце.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очень мощная дубина, имеющая острые лезвия.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дубина, которая мужет оглушить противника с одного удара. Накладывает статус Stun с вероятностью 10%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кастет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Распространенный и чрезвычайно мощный кастет, также известный как &quot;Клык Тигра&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защита для рук,покрывает тыльную сторону руки и пальцы. Сделана из длинных кожаных ремней с железными шипами.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Серебряный кастет с алмазными шипами. Традиционное оружие древних племен, живущих на Дальнем Востоке. Обычно использовался борцами-чемпионами.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оружие, идентичное человеческому кулаку. Эффективно повреждает противника.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оружие, идентичное человеческой руке с 3 стальными пальцами. Увеличивает физическую силу. STR +2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кастет, скованный в виде человеческих пальцев с длинными, острыми ногтями.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копьё (1Р)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Легкое метательное копьё.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копье, состоящее из длинной рукояти с заостренным концом.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длинное пехотное копье.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копьё (2Р)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выгнутое кривое лезвие соединенное с длинным древком. Используется для спешивания конных воинов.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копье с широким лезвием</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копье, имеющее лезвие с ответвлениями по бокам на длинном древке.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копьё с 3 зубьями, обычно используется для рыбной ловли.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копье с подобным топору лезвием и стальным шипом на длинном древке.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копьё, обычно используемое конными рыцарями.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeny/шт.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Что куем?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наковальня</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Без элемента</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ForgeResultWindow</name>
    <message>
        <source>Zeny/шт</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ForgeTab</name>
    <message>
        <source>Умения:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наковальня</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Что куем?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>эта справка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>версия программы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>начать с исходными значениями и пустой книгой цен: файл настроек удаляется</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>язык этого запуска: русский или английский; без него — выбранный в окне, а до выбора — язык системы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривелон %1 — калькулятор ковки и заточки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запуск: trivelon [параметр]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Всё, что вы вводите, сохраняется между запусками в файле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неизвестный параметр «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неизвестный язык «%1»: ru или en.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривелон %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trivelon: нет экрана, на котором показать окно (DISPLAY не задан).
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputMarks</name>
    <message>
        <source>не могу прочитать сумму — считается как 0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBoxReporter</name>
    <message>
        <source>Тривелон</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1: «%2» — нет такой наковальни</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: «%2» — нет такого элемента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: «%2» — не целое число</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предмет «%1» не найден в каталоге</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выберите, что ковать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Результат слишком велик для расчёта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шанс успешной заточки на %1 равен %2%, расчёт невозможен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>уровень %1 не между +0 и %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>уровень %1 предложен дважды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>уровень Weaponry Research не прочитан — шанс не посчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: файл правил больше 1 МиБ (1 048 576 байт)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: не TOML: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, строка %2, столбец %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 — %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестный ключ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестный ключ в таблице %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ключ не задан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ключ не задан в таблице %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ожидается целое число от %1 до %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ожидается непустая строка до %1 байт без управляющих символов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ожидается строка до %1 байт без управляющих символов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ожидается строка до %1 знаков из маленьких латинских букв, цифр и «-»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет таблицы %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ожидается таблица %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ожидается массив таблиц [[refine.class]]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ни одного класса: нужна хотя бы одна таблица [[refine.class]]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>больше %1 классов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>класс «%1» уже есть выше</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>id «%1» уже есть выше</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>заточка до +%1, ожидается +%2, как у первого класса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ожидается true или false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>у брони (armour = true) не задаётся</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ожидается список чисел от 0 до 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пустой список: нужен хотя бы один шаг выше безопасного уровня</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>больше %1 шагов выше безопасного уровня</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>заточка до +%1, больше +%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ожидается &quot;base&quot; или &quot;job&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестное имя в таблице %1, ожидается одно из: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл правил «%1» больше 1 МиБ (1 048 576 байт)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл правил «%1» не найден</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет доступа к файлу правил «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл правил «%1» не открывается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» — это папка, а не файл правил</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» — не обычный файл: правила читаются только из файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл правил «%1» не читается: нет прав на чтение, или его держит другая программа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл правил «%1» не читается</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>слишком много</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>тыс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>млн</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>млрд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>трлн</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>квадрлн</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>квинтлн</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RefineComparisonWindow</name>
    <message>
        <source>Уровень</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цена вещи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шанс попытки, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вещей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Материалов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeny в среднем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeny на 90 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Без риска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>дешевле всего</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 купить готовый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>купить готовый %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>купить %1 и точить</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RefineTab</name>
    <message>
        <source>Считает каждый шаг каждой попытки, как если бы попытка не останавливалась, когда вещь сломалась. Сколько на самом деле уходит на один успех, говорит «в среднем»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сколько в среднем уходит на один успех, если попытка останавливается на шаге, где вещь сломалась: материалы и сборы только за сделанные шаги. Откладывать — по этой сумме или по «Хватит с вероятностью»</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Оружие 1 уровня</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оружие 2 уровня</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оружие 3 уровня</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оружие 4 уровня</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Одежда</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RulesFile</name>
    <message>
        <source>имя класса в настройках и в командной строке</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>название класса в списке</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>материал заточки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цена материала, пока игрок не ввёл свою, Zeny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>плата за каждый пробуемый уровень, Zeny (вместе с материалом)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>безопасный уровень: до него заточка не ломает предмет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>шанс каждого шага выше безопасного, %; число шагов задаёт высший уровень</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>броня: защита за уровень считается по игре, атаки нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>атака за каждый уровень заточки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>верх случайной прибавки к атаке за каждый уровень выше безопасного</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>какой уровень умножается на level-weight: &quot;base&quot; или &quot;job&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>за каждый уровень</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>за каждую единицу Dex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>за каждую единицу Luk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>за каждый уровень навыка сверх skill-offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>уровни навыка, которые не считаются</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>прибавляется всегда</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># Правила сервера для Тривелона: заточка и ковка.
# Формат TOML. Нужен каждый ключ; после «#» — пояснения, их можно стирать.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>название правил в заголовке окна; &quot;&quot; — встроенные правила</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>процентов к каждому шагу выше безопасного за уровень Weaponry Research</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
# Классы заточки в порядке списка, от 1 до 20; все доходят до одного высшего уровня.
# У оружия — atk-per-level и spread-per-level, у брони — armour = true.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>к шансу оружия за уровень Weaponry Research</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вычитается из шанса оружия за каждый Star Crumb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вычитается из шанса оружия за камень элемента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цена Star Crumb, Zeny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
# Шанс по правилу, в сотых долях процента: уровень × level-weight + Dex × dex + Luk × luk +
# (уровень навыка − skill-offset) × skill + constant.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iron: навык Iron Tempering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steel: навык Steel Tempering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oridecon: навык Oridecon Research</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elunium: навык Oridecon Research</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>камни элементов: навык Enchanted Stone Craft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>оружие: навык ковки его вида</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наковальни: все из списка программы, от -100 до 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>процентов к шансу оружия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цены инструментов: все из списка программы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цены камней элементов: все из списка программы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>шансы ковки в сотых долях процента: 100 — это 1 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trivelon::gui::BudgetChart</name>
    <message>
        <source>Нет попыток — нечего считать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Попытка ничего не стоит: шанс успеха 100 % при любой сумме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>среднее: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в среднем по шагам: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>у меня: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trivelon::gui::BudgetChartWindow</name>
    <message>
        <source>График</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График шанса успеха от суммы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У меня есть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не могу прочитать сумму</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шанс успеха: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trivelon::gui::ForgeResultWindow</name>
    <message>
        <source>Дистанция:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уровень:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нужен Base:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вес:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вероятность успешной ковки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Для ковки надо:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Средняя себестоимость ковки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Хватит с вероятностью:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Попыток</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Средняя себестоимость ковки: попыток на один успех в среднем, 100 / шанс с округлением вверх, по цене одной попытки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цена: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>шт.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trivelon::gui::ForgeTab</name>
    <message>
        <source>Ковка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Считаем...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trivelon::gui::HelpWindow</name>
    <message>
        <source>Справка</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trivelon::gui::MainWindow</name>
    <message>
        <source>Вкладки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить правила сервера…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Встроенные правила</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Правила сервера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Правила (*.toml);;Все файлы (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — правила: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривелон для ТАЛВ версия 0.7.0 от 28.08.2006</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trivelon::gui::RefineComparisonWindow</name>
    <message>
        <source>С какого уровня точить?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не могу прочитать сумму — этот уровень не сравнивается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>до %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>шаги до %1 не ломают вещь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>введите цены, за которые продаются вещи на этих уровнях</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>каждая дорога стоит больше, чем можно сосчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>дешевле всего: %1 — %2 Zeny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>дешевле всего: %1 — в среднем %2 Zeny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>следующая по цене дорога дороже на %1 Zeny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сравнить не с чем</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trivelon::gui::RefineTab</name>
    <message>
        <source>Заточка (Beta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Что точим?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Хотим получить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текущий уровень</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Безопасно точится до </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоимость одной заточки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Необходимый материал:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вероятность успешной заточки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цена материала:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Zeny/шт.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цена вещи:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Среднее количество материалов:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>шт.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Среднее количество вещей:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Средняя себестоимость заточки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Бонус от заточки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Хватит с вероятностью:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вещей:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Материалов:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в среднем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнить...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График: %1, %2 → %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
