<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>BudgetChart</name>
    <message>
        <source>среднее: %1</source>
        <translation>average: %1</translation>
    </message>
    <message>
        <source>в среднем по шагам: %1</source>
        <translation>average by steps: %1</translation>
    </message>
    <message>
        <source>у меня →</source>
        <translation>I have →</translation>
    </message>
    <message>
        <source>у меня</source>
        <translation>I have</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Предмет, необходимый для ковки.</source>
        <translation>An item needed for forging.</translation>
    </message>
    <message>
        <source>Могут одеть: NOVICE SWORDMAN MAGICAN ARCHER MERCHANT THIEF KNIGHT WIZARD BLACKSMIT HUNTER ASSASSIN CRUSADER SAGE ROGUE ALCHEMIST BARD DANCER SuperNOVICE</source>
        <translation>Equipped by: NOVICE SWORDMAN MAGICAN ARCHER MERCHANT THIEF KNIGHT WIZARD BLACKSMIT HUNTER ASSASSIN CRUSADER SAGE ROGUE ALCHEMIST BARD DANCER SuperNOVICE</translation>
    </message>
    <message>
        <source>Могут одеть: SWORDMAN MAGICAN ARCHER MERCHANT THIEF KNIGHT WIZARD BLACKSMIT HUNTER ASSASSIN CRUSADER SAGE ROGUE ALCHEMIST BARD DANCER</source>
        <translation>Equipped by: SWORDMAN MAGICAN ARCHER MERCHANT THIEF KNIGHT WIZARD BLACKSMIT HUNTER ASSASSIN CRUSADER SAGE ROGUE ALCHEMIST BARD DANCER</translation>
    </message>
    <message>
        <source>Могут одеть: NOVICE SWORDMAN MERCHANT THIEF KNIGHT BLACKSMIT ASSASSIN CRUSADER ROGUE ALCHEMIST SuperNOVICE</source>
        <translation>Equipped by: NOVICE SWORDMAN MERCHANT THIEF KNIGHT BLACKSMIT ASSASSIN CRUSADER ROGUE ALCHEMIST SuperNOVICE</translation>
    </message>
    <message>
        <source>Могут одеть: SWORDMAN MERCHANT THIEF KNIGHT BLACKSMIT ASSASSIN CRUSADER ROGUE ALCHEMIST</source>
        <translation>Equipped by: SWORDMAN MERCHANT THIEF KNIGHT BLACKSMIT ASSASSIN CRUSADER ROGUE ALCHEMIST</translation>
    </message>
    <message>
        <source>Могут одеть: KNIGHT CRUSADER</source>
        <translation>Equipped by: KNIGHT CRUSADER</translation>
    </message>
    <message>
        <source>Могут одеть: SWORDMAN KNIGHT CRUSADER</source>
        <translation>Equipped by: SWORDMAN KNIGHT CRUSADER</translation>
    </message>
    <message>
        <source>Могут одеть: NOVICE SWORDMAN MERCHANT KNIGHT BLACKSMIT ASSASSIN CRUSADER ALCHEMIST SuperNOVICE</source>
        <translation>Equipped by: NOVICE SWORDMAN MERCHANT KNIGHT BLACKSMIT ASSASSIN CRUSADER ALCHEMIST SuperNOVICE</translation>
    </message>
    <message>
        <source>Могут одеть: SWORDMAN MERCHANT KNIGHT BLACKSMIT CRUSADER ALCHEMIST</source>
        <translation>Equipped by: SWORDMAN MERCHANT KNIGHT BLACKSMIT CRUSADER ALCHEMIST</translation>
    </message>
    <message>
        <source>Могут одеть: NOVICE SWORDMAN ACOLYTE MERCHANT KNIGHT PRIEST BLACKSMIT CRUSADER MONK ALCHEMIST SuperNOVICE</source>
        <translation>Equipped by: NOVICE SWORDMAN ACOLYTE MERCHANT KNIGHT PRIEST BLACKSMIT CRUSADER MONK ALCHEMIST SuperNOVICE</translation>
    </message>
    <message>
        <source>Могут одеть: SWORDMAN ACOLYTE MERCHANT KNIGHT PRIEST BLACKSMIT CRUSADER MONK ALCHEMIST</source>
        <translation>Equipped by: SWORDMAN ACOLYTE MERCHANT KNIGHT PRIEST BLACKSMIT CRUSADER MONK ALCHEMIST</translation>
    </message>
    <message>
        <source>Могут одеть: ACOLYTE PRIEST MONK</source>
        <translation>Equipped by: ACOLYTE PRIEST MONK</translation>
    </message>
    <message>
        <source>Могут одеть: PRIEST MONK</source>
        <translation>Equipped by: PRIEST MONK</translation>
    </message>
    <message>
        <source>---------------Ресурсы---------------</source>
        <translation>--------------Resources--------------</translation>
    </message>
    <message>
        <source>------------------Ножи------------------</source>
        <translation>-----------------Daggers-----------------</translation>
    </message>
    <message>
        <source>-------Одноручные Мечи-------</source>
        <translation>------One-Handed Swords------</translation>
    </message>
    <message>
        <source>--------Двуручные мечи--------</source>
        <translation>-------Two-Handed Swords-------</translation>
    </message>
    <message>
        <source>----------------Топоры----------------</source>
        <translation>-----------------Axes-----------------</translation>
    </message>
    <message>
        <source>----------------Дубины----------------</source>
        <translation>----------------Maces----------------</translation>
    </message>
    <message>
        <source>---------------Кастеты---------------</source>
        <translation>--------------Knuckles--------------</translation>
    </message>
    <message>
        <source>-----------------Копья-----------------</source>
        <translation>----------------Spears----------------</translation>
    </message>
    <message>
        <source>Ресурсы</source>
        <translation>Resources</translation>
    </message>
    <message>
        <source>Железо. Нужно для ковки оружия 1 уровня.</source>
        <translation>Iron. Needed to forge level 1 weapons.</translation>
    </message>
    <message>
        <source>Сталь. Нужна для ковки оружия 2 уровня и некоторых видов оружия 3 уровня. Используется для починки одежды и оружия 3 уровня. Также используется в некоторых квестах.</source>
        <translation>Steel. Needed to forge level 2 weapons and some level 3 weapons. Used to repair armor and level 3 weapons. Also used in some quests.</translation>
    </message>
    <message>
        <source>Используется для заточки оружия 3 и 4 уровней, а также для ковки оружия 3 уровня.</source>
        <translation>Used to refine level 3 and 4 weapons, and to forge level 3 weapons.</translation>
    </message>
    <message>
        <source>Используется для заточки любого типа одежды (за исключением вещей, которые невозможно заточить)</source>
        <translation>Used to refine any kind of armor (except items that cannot be refined)</translation>
    </message>
    <message>
        <source>Камень, придающий скованному оружию элемент Огня (Fire)</source>
        <translation>A stone that gives a forged weapon the Fire property</translation>
    </message>
    <message>
        <source>Камень, придающий скованному оружию элемент Воздуха (Wind)</source>
        <translation>A stone that gives a forged weapon the Wind property</translation>
    </message>
    <message>
        <source>Камень, придающий скованному оружию элемент Воды (Ice)</source>
        <translation>A stone that gives a forged weapon the Water (Ice) property</translation>
    </message>
    <message>
        <source>Камень, придающий скованному оружию элемент Земли (Earth)</source>
        <translation>A stone that gives a forged weapon the Earth property</translation>
    </message>
    <message>
        <source>Осколок звезды, дающий скованному оружию возможность атаковать без промаха (5 ATK). </source>
        <translation>A shard of a star that lets a forged weapon strike without missing (5 ATK). </translation>
    </message>
    <message>
        <source>Нож</source>
        <translation>Dagger</translation>
    </message>
    <message>
        <source>Простой нож. Очень слабое оружие, ковать не рекомендую.</source>
        <translation>A simple knife. A very weak weapon; I don&apos;t recommend forging it.</translation>
    </message>
    <message>
        <source>Нож, используемый для атаки. Очень слабое оружие, ковать не рекомендую.</source>
        <translation>A knife made for attacking. A very weak weapon; I don&apos;t recommend forging it.</translation>
    </message>
    <message>
        <source>Французский кинжал, обычно берется в левую руку для парирования атаки противника. Лучший из ножей 1 уровня.</source>
        <translation>A French dagger, usually held in the left hand to parry the enemy&apos;s attacks. The best of the level 1 daggers.</translation>
    </message>
    <message>
        <source>Традиционный кинжал шотландских горцев. Ковать смысла не вижу.</source>
        <translation>A traditional dagger of the Scottish Highlanders. I see no point in forging it.</translation>
    </message>
    <message>
        <source>Нож, используемый для нанесения ударов. Ковать смысла не вижу.</source>
        <translation>A knife used for stabbing. I see no point in forging it.</translation>
    </message>
    <message>
        <source>Длинный, легкий и тонкий нож. Убийца легко спрячет его в складках одежды. Лучший нож 2 уровня. Представляет интерес для Супер Новисов.</source>
        <translation>A long, light and slender knife. An assassin can easily hide it in the folds of his clothes. The best level 2 dagger. Of interest to Super Novices.</translation>
    </message>
    <message>
        <source>Очень крепкий нож с длинной рукоятью. Скован ремесленниками Старого Света. Смысла ковать не вижу.</source>
        <translation>A very sturdy knife with a long hilt. Forged by the craftsmen of the Old World. I see no point in forging it.</translation>
    </message>
    <message>
        <source>Нож для убийства. Сделанный из чрезвычайно редкого и специфичного металла, он сам стремится к сердцу врага. Не ломается (за исключением попыток заточки). Лучший кинжал, который может сковать кузнец.</source>
        <translation>A knife made for killing. Forged from an extremely rare and peculiar metal, it seeks the enemy&apos;s heart by itself. Unbreakable (except when refining). The best dagger a blacksmith can forge.</translation>
    </message>
    <message>
        <source>Меч (1Р)</source>
        <translation>Sword (1H)</translation>
    </message>
    <message>
        <source>Обычный одноручный меч. Ну и кому он нужен?</source>
        <translation>An ordinary one-handed sword. Who needs it anyway?</translation>
    </message>
    <message>
        <source>Одноручный меч с кривым клинком. Собственно, бесполезная вещь.</source>
        <translation>A one-handed sword with a curved blade. Frankly, a useless thing.</translation>
    </message>
    <message>
        <source>Одноручный меч с толстым лезвием. Смысл ковки сомнительный... Хотя и лучший из одноручных мечей 1 уровня</source>
        <translation>A one-handed sword with a thick blade. Forging it is of doubtful use... Though it is the best level 1 one-handed sword</translation>
    </message>
    <message>
        <source>Одноручный меч с длинным тонким клинком.</source>
        <translation>A one-handed sword with a long, thin blade.</translation>
    </message>
    <message>
        <source>Тяжелый одноручный меч со скругленным клинком. Ковать не вижу смысла.</source>
        <translation>A heavy one-handed sword with a rounded blade. I see no point in forging it.</translation>
    </message>
    <message>
        <source>Одноручный меч с богато украшенной рукоятью</source>
        <translation>A one-handed sword with a richly decorated hilt</translation>
    </message>
    <message>
        <source>Тяжелый одноручный кавалерийский меч со слегка скругленным клинком односторонней заточки.</source>
        <translation>A heavy one-handed cavalry sword with a slightly curved, single-edged blade.</translation>
    </message>
    <message>
        <source>Традиционный корейский одноручный меч, наделенный способностью контролировать мозг. INT +3.</source>
        <translation>A traditional Korean one-handed sword, endowed with the power to control the mind. INT +3.</translation>
    </message>
    <message>
        <source>Самый мощный одноручный меч. Подходит как для убийства врагов, так и для наказания бывших друзей. Излюбленное оружие древних японских рыцарей - самураев.</source>
        <translation>The most powerful one-handed sword. Good both for slaying enemies and for punishing former friends. The favorite weapon of the ancient Japanese knights - the samurai.</translation>
    </message>
    <message>
        <source>Одноручный меч с волнообразным лезвием. Скрывает в себе великую силу.</source>
        <translation>A one-handed sword with a wavy blade. It hides great power within.</translation>
    </message>
    <message>
        <source>Меч (2Р)</source>
        <translation>Sword (2H)</translation>
    </message>
    <message>
        <source>Хорошо прокованный боевой меч. Любимый клинок самураев.</source>
        <translation>A well-forged battle sword. The favorite blade of the samurai.</translation>
    </message>
    <message>
        <source>Меч, спасавший многих воинов в битвах.</source>
        <translation>A sword that has saved many warriors in battle.</translation>
    </message>
    <message>
        <source>Полутораручный меч с длинной рукоятью. Может использоваться как для рубки, так и для колющих ударов.</source>
        <translation>A hand-and-a-half sword with a long hilt. Can be used both for slashing and for thrusting.</translation>
    </message>
    <message>
        <source>Мощный двуручный меч</source>
        <translation>A powerful two-handed sword</translation>
    </message>
    <message>
        <source>Меч с широким клинком двусторонней заточки.DEF+5.</source>
        <translation>A sword with a broad, double-edged blade. DEF+5.</translation>
    </message>
    <message>
        <source>Большой, обоюдоострый широкий меч, который использовался шотландскими горцами.</source>
        <translation>A large, double-edged broadsword that was used by the Scottish Highlanders.</translation>
    </message>
    <message>
        <source>Топор (1Р)</source>
        <translation>Axe (1H)</translation>
    </message>
    <message>
        <source>Обычный топор. Идеальное оружие для боевого кузнеца с силой 130 и больше.</source>
        <translation>An ordinary axe. The ideal weapon for a battle blacksmith with 130 STR or more.</translation>
    </message>
    <message>
        <source>Топор (2Р)</source>
        <translation>Axe (2H)</translation>
    </message>
    <message>
        <source>Крепкий двуручный топор, поможет изрубить противника в капусту.</source>
        <translation>A sturdy two-handed axe that will help you chop the enemy into mincemeat.</translation>
    </message>
    <message>
        <source>Ну ОЧЕНЬ большой молот.</source>
        <translation>A REALLY big hammer.</translation>
    </message>
    <message>
        <source>Мощно выглядящий топор, сила которого соответствует его внешности.</source>
        <translation>A powerful-looking axe whose strength lives up to its looks.</translation>
    </message>
    <message>
        <source>Двуручный двулезвийный топор.</source>
        <translation>A two-handed, double-bladed axe.</translation>
    </message>
    <message>
        <source>Дубина</source>
        <translation>Mace</translation>
    </message>
    <message>
        <source>Тяжелая палка, обычно с утолщением на конце, приспособленная для использования как оружие.</source>
        <translation>A heavy stick, usually thickened at one end, adapted for use as a weapon.</translation>
    </message>
    <message>
        <source>Тяжелая средневековая палица с зазубреной металлической вершиной.</source>
        <translation>A heavy medieval mace with a jagged metal head.</translation>
    </message>
    <message>
        <source>Внушительно выглядящая булава. Удобная для расплющивания всяких штуковин.</source>
        <translation>An impressive-looking mace. Handy for flattening all sorts of things.</translation>
    </message>
    <message>
        <source>Эффективный боевой цеп, состоящий из длинного деревянного держака и более короткой утяжеленной палки, привязанной к его концу.</source>
        <translation>An effective battle flail made of a long wooden handle and a shorter weighted stick tied to its end.</translation>
    </message>
    <message>
        <source>Дубина с железной цепью на конце.</source>
        <translation>A club with an iron chain at its end.</translation>
    </message>
    <message>
        <source>Весьма опасно выглядящее оружие, железная дупина с шипастым шаром на конце.</source>
        <translation>A very dangerous-looking weapon, an iron club with a spiked ball at its end.</translation>
    </message>
    <message>
        <source>Очень мощная дубина, имеющая острые лезвия.</source>
        <translation>A very powerful club fitted with sharp blades.</translation>
    </message>
    <message>
        <source>Дубина, которая мужет оглушить противника с одного удара. Накладывает статус Stun с вероятностью 10%</source>
        <translation>A club that can stun the enemy with a single blow. Inflicts the Stun status with a 10% chance</translation>
    </message>
    <message>
        <source>Кастет</source>
        <translation>Knuckle</translation>
    </message>
    <message>
        <source>Распространенный и чрезвычайно мощный кастет, также известный как &quot;Клык Тигра&quot;.</source>
        <translation>A common and extremely powerful knuckle, also known as &quot;Tiger&apos;s Fang&quot;.</translation>
    </message>
    <message>
        <source>Защита для рук,покрывает тыльную сторону руки и пальцы. Сделана из длинных кожаных ремней с железными шипами.</source>
        <translation>Hand protection that covers the back of the hand and the fingers. Made of long leather straps with iron spikes.</translation>
    </message>
    <message>
        <source>Серебряный кастет с алмазными шипами. Традиционное оружие древних племен, живущих на Дальнем Востоке. Обычно использовался борцами-чемпионами.</source>
        <translation>A silver knuckle with diamond spikes. A traditional weapon of the ancient tribes of the Far East. Usually used by champion wrestlers.</translation>
    </message>
    <message>
        <source>Оружие, идентичное человеческому кулаку. Эффективно повреждает противника.</source>
        <translation>A weapon shaped just like a human fist. Deals effective damage to the enemy.</translation>
    </message>
    <message>
        <source>Оружие, идентичное человеческой руке с 3 стальными пальцами. Увеличивает физическую силу. STR +2</source>
        <translation>A weapon shaped just like a human hand with 3 steel fingers. Increases physical strength. STR +2</translation>
    </message>
    <message>
        <source>Кастет, скованный в виде человеческих пальцев с длинными, острыми ногтями.</source>
        <translation>A knuckle forged in the shape of human fingers with long, sharp nails.</translation>
    </message>
    <message>
        <source>Копьё (1Р)</source>
        <translation>Spear (1H)</translation>
    </message>
    <message>
        <source>Легкое метательное копьё.</source>
        <translation>A light throwing spear.</translation>
    </message>
    <message>
        <source>Копье, состоящее из длинной рукояти с заостренным концом.</source>
        <translation>A spear made of a long shaft with a pointed end.</translation>
    </message>
    <message>
        <source>Длинное пехотное копье.</source>
        <translation>A long infantry spear.</translation>
    </message>
    <message>
        <source>Копьё (2Р)</source>
        <translation>Spear (2H)</translation>
    </message>
    <message>
        <source>Выгнутое кривое лезвие соединенное с длинным древком. Используется для спешивания конных воинов.</source>
        <translation>A bent, curved blade joined to a long shaft. Used to pull mounted warriors off their horses.</translation>
    </message>
    <message>
        <source>Копье с широким лезвием</source>
        <translation>A spear with a broad blade</translation>
    </message>
    <message>
        <source>Копье, имеющее лезвие с ответвлениями по бокам на длинном древке.</source>
        <translation>A spear on a long shaft, with a blade that branches out at the sides.</translation>
    </message>
    <message>
        <source>Копьё с 3 зубьями, обычно используется для рыбной ловли.</source>
        <translation>A spear with 3 prongs, usually used for fishing.</translation>
    </message>
    <message>
        <source>Копье с подобным топору лезвием и стальным шипом на длинном древке.</source>
        <translation>A spear with an axe-like blade and a steel spike on a long shaft.</translation>
    </message>
    <message>
        <source>Копьё, обычно используемое конными рыцарями.</source>
        <translation>A spear usually used by mounted knights.</translation>
    </message>
    <message>
        <source>Zeny/шт.</source>
        <translation>Zeny/pcs</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Что куем?</source>
        <translation>What to forge?</translation>
    </message>
    <message>
        <source>Наковальня</source>
        <translation>Anvil</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Без элемента</source>
        <translation>No element</translation>
    </message>
</context>
<context>
    <name>ForgeResultWindow</name>
    <message>
        <source>Zeny/шт</source>
        <translation>Zeny/pcs</translation>
    </message>
</context>
<context>
    <name>ForgeTab</name>
    <message>
        <source>Умения:</source>
        <translation>Skills:</translation>
    </message>
    <message>
        <source>Наковальня</source>
        <translation>Anvil</translation>
    </message>
    <message>
        <source>Что куем?</source>
        <translation>What to forge?</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>эта справка</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>версия программы</source>
        <translation>the program&apos;s version</translation>
    </message>
    <message>
        <source>начать с исходными значениями и пустой книгой цен: файл настроек удаляется</source>
        <translation>start with the default values and an empty price book: the settings file is removed</translation>
    </message>
    <message>
        <source>язык этого запуска: русский или английский; без него — выбранный в окне, а до выбора — язык системы</source>
        <translation>the language of this run: Russian or English; without it, the one chosen in the window, or before any choice the system&apos;s</translation>
    </message>
    <message>
        <source>Тривелон %1 — калькулятор ковки и заточки.</source>
        <translation>Тривелон %1, a forging and refining calculator.</translation>
    </message>
    <message>
        <source>Запуск: trivelon [параметр]</source>
        <translation>Usage: trivelon [option]</translation>
    </message>
    <message>
        <source>Всё, что вы вводите, сохраняется между запусками в файле</source>
        <translation>Everything you type is kept between runs in the file</translation>
    </message>
    <message>
        <source>Неизвестный параметр «%1».</source>
        <translation>Unknown option &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Неизвестный язык «%1»: ru или en.</source>
        <translation>Unknown language &quot;%1&quot;: ru or en.</translation>
    </message>
    <message>
        <source>Тривелон %1
</source>
        <translation>Тривелон %1
</translation>
    </message>
    <message>
        <source>trivelon: нет экрана, на котором показать окно (DISPLAY не задан).
</source>
        <translation>trivelon: no screen to show the window on (DISPLAY is not set).
</translation>
    </message>
</context>
<context>
    <name>InputMarks</name>
    <message>
        <source>не могу прочитать сумму — считается как 0</source>
        <translation>cannot read the sum — counted as 0</translation>
    </message>
</context>
<context>
    <name>MessageBoxReporter</name>
    <message>
        <source>Тривелон</source>
        <translation>Тривелон</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1: «%2» — нет такой наковальни</source>
        <translation>%1: &quot;%2&quot; is no anvil of the list</translation>
    </message>
    <message>
        <source>%1: «%2» — нет такого элемента</source>
        <translation>%1: &quot;%2&quot; is no element of the list</translation>
    </message>
    <message>
        <source>%1: «%2» — не целое число</source>
        <translation>%1: &quot;%2&quot; is not a whole number</translation>
    </message>
    <message>
        <source>Предмет «%1» не найден в каталоге</source>
        <translation>The item &quot;%1&quot; is not in the catalogue</translation>
    </message>
    <message>
        <source>Выберите, что ковать</source>
        <translation>Choose what to forge</translation>
    </message>
    <message>
        <source>Результат слишком велик для расчёта</source>
        <translation>The result is too large to compute</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>Шанс успешной заточки на %1 равен %2%, расчёт невозможен</source>
        <translation>The success rate of refining to %1 is %2%: nothing can be computed</translation>
    </message>
    <message>
        <source>уровень %1 не между +0 и %2</source>
        <translation>level %1 is not between +0 and %2</translation>
    </message>
    <message>
        <source>уровень %1 предложен дважды</source>
        <translation>level %1 is offered twice</translation>
    </message>
    <message>
        <source>уровень Weaponry Research не прочитан — шанс не посчитать</source>
        <translation>the Weaponry Research level cannot be read, so the chance cannot be worked out</translation>
    </message>
    <message>
        <source>%1: файл правил больше 1 МиБ (1 048 576 байт)</source>
        <translation>%1: the rules file is larger than 1 MiB (1 048 576 bytes)</translation>
    </message>
    <message>
        <source>%1: не TOML: %2</source>
        <translation>%1: not TOML: %2</translation>
    </message>
    <message>
        <source>%1, строка %2, столбец %3</source>
        <translation>%1, line %2, column %3</translation>
    </message>
    <message>
        <source>%1: %2 — %3</source>
        <translation>%1: %2: %3</translation>
    </message>
    <message>
        <source>неизвестный ключ</source>
        <translation>unknown key</translation>
    </message>
    <message>
        <source>неизвестный ключ в таблице %1</source>
        <translation>unknown key in the table %1</translation>
    </message>
    <message>
        <source>ключ не задан</source>
        <translation>the key is missing</translation>
    </message>
    <message>
        <source>ключ не задан в таблице %1</source>
        <translation>the key is missing in the table %1</translation>
    </message>
    <message>
        <source>ожидается целое число от %1 до %2</source>
        <translation>expected a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>ожидается непустая строка до %1 байт без управляющих символов</source>
        <translation>expected a non-empty string of up to %1 bytes without control characters</translation>
    </message>
    <message>
        <source>ожидается строка до %1 байт без управляющих символов</source>
        <translation>expected a string of up to %1 bytes without control characters</translation>
    </message>
    <message>
        <source>ожидается строка до %1 знаков из маленьких латинских букв, цифр и «-»</source>
        <translation>expected a string of up to %1 characters of small Latin letters, digits and &quot;-&quot;</translation>
    </message>
    <message>
        <source>нет таблицы %1</source>
        <translation>the table %1 is missing</translation>
    </message>
    <message>
        <source>ожидается таблица %1</source>
        <translation>expected the table %1</translation>
    </message>
    <message>
        <source>ожидается массив таблиц [[refine.class]]</source>
        <translation>expected an array of tables [[refine.class]]</translation>
    </message>
    <message>
        <source>ни одного класса: нужна хотя бы одна таблица [[refine.class]]</source>
        <translation>no class: at least one table [[refine.class]] is needed</translation>
    </message>
    <message>
        <source>больше %1 классов</source>
        <translation>more than %1 classes</translation>
    </message>
    <message>
        <source>класс «%1» уже есть выше</source>
        <translation>the class &quot;%1&quot; is already above</translation>
    </message>
    <message>
        <source>id «%1» уже есть выше</source>
        <translation>the id &quot;%1&quot; is already above</translation>
    </message>
    <message>
        <source>заточка до +%1, ожидается +%2, как у первого класса</source>
        <translation>refines up to +%1, expected +%2 as the first class does</translation>
    </message>
    <message>
        <source>ожидается true или false</source>
        <translation>expected true or false</translation>
    </message>
    <message>
        <source>у брони (armour = true) не задаётся</source>
        <translation>not given for armour (armour = true)</translation>
    </message>
    <message>
        <source>ожидается список чисел от 0 до 100</source>
        <translation>expected a list of numbers from 0 to 100</translation>
    </message>
    <message>
        <source>пустой список: нужен хотя бы один шаг выше безопасного уровня</source>
        <translation>empty list: at least one step above the safe level is needed</translation>
    </message>
    <message>
        <source>больше %1 шагов выше безопасного уровня</source>
        <translation>more than %1 steps above the safe level</translation>
    </message>
    <message>
        <source>заточка до +%1, больше +%2</source>
        <translation>refines up to +%1, more than +%2</translation>
    </message>
    <message>
        <source>ожидается &quot;base&quot; или &quot;job&quot;</source>
        <translation>expected &quot;base&quot; or &quot;job&quot;</translation>
    </message>
    <message>
        <source>неизвестное имя в таблице %1, ожидается одно из: %2</source>
        <translation>unknown name in the table %1, expected one of: %2</translation>
    </message>
    <message>
        <source>Файл правил «%1» больше 1 МиБ (1 048 576 байт)</source>
        <translation>The rules file &quot;%1&quot; is larger than 1 MiB (1 048 576 bytes)</translation>
    </message>
    <message>
        <source>Файл правил «%1» не найден</source>
        <translation>The rules file &quot;%1&quot; is not found</translation>
    </message>
    <message>
        <source>Нет доступа к файлу правил «%1»</source>
        <translation>No access to the rules file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Файл правил «%1» не открывается</source>
        <translation>The rules file &quot;%1&quot; cannot be opened</translation>
    </message>
    <message>
        <source>«%1» — это папка, а не файл правил</source>
        <translation>&quot;%1&quot; is a folder, not a rules file</translation>
    </message>
    <message>
        <source>«%1» — не обычный файл: правила читаются только из файла</source>
        <translation>&quot;%1&quot; is not a regular file: rules are read only from a file</translation>
    </message>
    <message>
        <source>Файл правил «%1» не читается: нет прав на чтение, или его держит другая программа</source>
        <translation>The rules file &quot;%1&quot; cannot be read: no permission to read it, or another program holds it</translation>
    </message>
    <message>
        <source>Файл правил «%1» не читается</source>
        <translation>The rules file &quot;%1&quot; cannot be read</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>слишком много</source>
        <translation>too much</translation>
    </message>
    <message>
        <source>тыс.</source>
        <translation>k</translation>
    </message>
    <message>
        <source>млн</source>
        <translation>M</translation>
    </message>
    <message>
        <source>млрд</source>
        <translation>bn</translation>
    </message>
    <message>
        <source>трлн</source>
        <translation>tn</translation>
    </message>
    <message>
        <source>квадрлн</source>
        <translation>qd</translation>
    </message>
    <message>
        <source>квинтлн</source>
        <translation>qn</translation>
    </message>
</context>
<context>
    <name>RefineComparisonWindow</name>
    <message>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Цена вещи</source>
        <translation>Item price</translation>
    </message>
    <message>
        <source>Шанс попытки, %</source>
        <translation>Attempt chance, %</translation>
    </message>
    <message>
        <source>Вещей</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Материалов</source>
        <translation>Materials</translation>
    </message>
    <message>
        <source>Zeny в среднем</source>
        <translation>Zeny on average</translation>
    </message>
    <message>
        <source>Zeny на 90 %</source>
        <translation>Zeny for 90 %</translation>
    </message>
    <message>
        <source>Без риска</source>
        <translation>Risk-free</translation>
    </message>
    <message>
        <source>дешевле всего</source>
        <translation>cheapest</translation>
    </message>
    <message>
        <source>%1 купить готовый</source>
        <translation>%1 buy finished</translation>
    </message>
    <message>
        <source>купить готовый %1</source>
        <translation>buy a finished %1</translation>
    </message>
    <message>
        <source>купить %1 и точить</source>
        <translation>buy %1 and refine</translation>
    </message>
</context>
<context>
    <name>RefineTab</name>
    <message>
        <source>Считает каждый шаг каждой попытки, как если бы попытка не останавливалась, когда вещь сломалась. Сколько на самом деле уходит на один успех, говорит «в среднем»</source>
        <translation>Counts every step of every attempt as if an attempt did not stop when the item broke. What one success really takes is told by &quot;average&quot;</translation>
    </message>
    <message>
        <source>Сколько в среднем уходит на один успех, если попытка останавливается на шаге, где вещь сломалась: материалы и сборы только за сделанные шаги. Откладывать — по этой сумме или по «Хватит с вероятностью»</source>
        <translation>What one success takes on average if an attempt stops at the step where the item broke: materials and fees only for the steps made. Save up by this sum or by &quot;Enough with a chance of&quot;</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Оружие 1 уровня</source>
        <translation>Weapon level 1</translation>
    </message>
    <message>
        <source>Оружие 2 уровня</source>
        <translation>Weapon level 2</translation>
    </message>
    <message>
        <source>Оружие 3 уровня</source>
        <translation>Weapon level 3</translation>
    </message>
    <message>
        <source>Оружие 4 уровня</source>
        <translation>Weapon level 4</translation>
    </message>
    <message>
        <source>Одежда</source>
        <translation>Armour</translation>
    </message>
</context>
<context>
    <name>RulesFile</name>
    <message>
        <source>имя класса в настройках и в командной строке</source>
        <translation>the class&apos;s name in the settings and on the command line</translation>
    </message>
    <message>
        <source>название класса в списке</source>
        <translation>the class&apos;s name in the list</translation>
    </message>
    <message>
        <source>материал заточки</source>
        <translation>the refine material</translation>
    </message>
    <message>
        <source>цена материала, пока игрок не ввёл свою, Zeny</source>
        <translation>the material&apos;s price until the player types one, Zeny</translation>
    </message>
    <message>
        <source>плата за каждый пробуемый уровень, Zeny (вместе с материалом)</source>
        <translation>the fee for each level tried, Zeny (with the material)</translation>
    </message>
    <message>
        <source>безопасный уровень: до него заточка не ломает предмет</source>
        <translation>the safe level: refining up to it never breaks the item</translation>
    </message>
    <message>
        <source>шанс каждого шага выше безопасного, %; число шагов задаёт высший уровень</source>
        <translation>the chance of each step above the safe level, %; the number of steps sets the highest level</translation>
    </message>
    <message>
        <source>броня: защита за уровень считается по игре, атаки нет</source>
        <translation>armour: its defence per level is the game&apos;s, no attack</translation>
    </message>
    <message>
        <source>атака за каждый уровень заточки</source>
        <translation>attack for each refine level</translation>
    </message>
    <message>
        <source>верх случайной прибавки к атаке за каждый уровень выше безопасного</source>
        <translation>the top of the random attack bonus for each level above the safe level</translation>
    </message>
    <message>
        <source>какой уровень умножается на level-weight: &quot;base&quot; или &quot;job&quot;</source>
        <translation>which level level-weight multiplies: &quot;base&quot; or &quot;job&quot;</translation>
    </message>
    <message>
        <source>за каждый уровень</source>
        <translation>for each level</translation>
    </message>
    <message>
        <source>за каждую единицу Dex</source>
        <translation>for each point of Dex</translation>
    </message>
    <message>
        <source>за каждую единицу Luk</source>
        <translation>for each point of Luk</translation>
    </message>
    <message>
        <source>за каждый уровень навыка сверх skill-offset</source>
        <translation>for each skill level above skill-offset</translation>
    </message>
    <message>
        <source>уровни навыка, которые не считаются</source>
        <translation>the skill levels that do not count</translation>
    </message>
    <message>
        <source>прибавляется всегда</source>
        <translation>always added</translation>
    </message>
    <message>
        <source># Правила сервера для Тривелона: заточка и ковка.
# Формат TOML. Нужен каждый ключ; после «#» — пояснения, их можно стирать.

</source>
        <translation># A server&apos;s rules for Тривелон: refining and forging.
# TOML format. Every key is needed; after &quot;#&quot; come explanations, which may be deleted.

</translation>
    </message>
    <message>
        <source>название правил в заголовке окна; &quot;&quot; — встроенные правила</source>
        <translation>the rules&apos; name in the window&apos;s title; &quot;&quot; for the built-in rules</translation>
    </message>
    <message>
        <source>процентов к каждому шагу выше безопасного за уровень Weaponry Research</source>
        <translation>percent added to each step above the safe level per Weaponry Research level</translation>
    </message>
    <message>
        <source>
# Классы заточки в порядке списка, от 1 до 20; все доходят до одного высшего уровня.
# У оружия — atk-per-level и spread-per-level, у брони — armour = true.
</source>
        <translation>
# The refine classes in list order, 1 to 20; all reach the same highest level.
# A weapon has atk-per-level and spread-per-level, armour has armour = true.
</translation>
    </message>
    <message>
        <source>к шансу оружия за уровень Weaponry Research</source>
        <translation>added to a weapon&apos;s chance per Weaponry Research level</translation>
    </message>
    <message>
        <source>вычитается из шанса оружия за каждый Star Crumb</source>
        <translation>taken from a weapon&apos;s chance for each Star Crumb</translation>
    </message>
    <message>
        <source>вычитается из шанса оружия за камень элемента</source>
        <translation>taken from a weapon&apos;s chance for an element stone</translation>
    </message>
    <message>
        <source>цена Star Crumb, Zeny</source>
        <translation>the price of a Star Crumb, Zeny</translation>
    </message>
    <message>
        <source>
# Шанс по правилу, в сотых долях процента: уровень × level-weight + Dex × dex + Luk × luk +
# (уровень навыка − skill-offset) × skill + constant.
</source>
        <translation>
# A rule&apos;s chance, in hundredths of a percent: level × level-weight + Dex × dex + Luk × luk +
# (skill level − skill-offset) × skill + constant.
</translation>
    </message>
    <message>
        <source>Iron: навык Iron Tempering</source>
        <translation>Iron: the skill Iron Tempering</translation>
    </message>
    <message>
        <source>Steel: навык Steel Tempering</source>
        <translation>Steel: the skill Steel Tempering</translation>
    </message>
    <message>
        <source>Oridecon: навык Oridecon Research</source>
        <translation>Oridecon: the skill Oridecon Research</translation>
    </message>
    <message>
        <source>Elunium: навык Oridecon Research</source>
        <translation>Elunium: the skill Oridecon Research</translation>
    </message>
    <message>
        <source>камни элементов: навык Enchanted Stone Craft</source>
        <translation>element stones: the skill Enchanted Stone Craft</translation>
    </message>
    <message>
        <source>оружие: навык ковки его вида</source>
        <translation>weapons: the smithing skill of their kind</translation>
    </message>
    <message>
        <source>наковальни: все из списка программы, от -100 до 100</source>
        <translation>anvils: every one of the program&apos;s list, -100 to 100</translation>
    </message>
    <message>
        <source>процентов к шансу оружия</source>
        <translation>percent added to a weapon&apos;s chance</translation>
    </message>
    <message>
        <source>цены инструментов: все из списка программы</source>
        <translation>tool prices: every one of the program&apos;s list</translation>
    </message>
    <message>
        <source>цены камней элементов: все из списка программы</source>
        <translation>element stone prices: every one of the program&apos;s list</translation>
    </message>
    <message>
        <source>шансы ковки в сотых долях процента: 100 — это 1 %</source>
        <translation>forging chances in hundredths of a percent: 100 is 1 %</translation>
    </message>
</context>
<context>
    <name>trivelon::gui::BudgetChart</name>
    <message>
        <source>Нет попыток — нечего считать</source>
        <translation>No tries — nothing to calculate</translation>
    </message>
    <message>
        <source>Попытка ничего не стоит: шанс успеха 100 % при любой сумме</source>
        <translation>A try costs nothing: the success chance is 100 % with any sum</translation>
    </message>
    <message>
        <source>среднее: %1</source>
        <translation>average: %1</translation>
    </message>
    <message>
        <source>в среднем по шагам: %1</source>
        <translation>average by steps: %1</translation>
    </message>
    <message>
        <source>у меня: %1</source>
        <translation>I have: %1</translation>
    </message>
</context>
<context>
    <name>trivelon::gui::BudgetChartWindow</name>
    <message>
        <source>График</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>График шанса успеха от суммы</source>
        <translation>Chart of the success chance by sum</translation>
    </message>
    <message>
        <source>У меня есть</source>
        <translation>I have</translation>
    </message>
    <message>
        <source>не могу прочитать сумму</source>
        <translation>cannot read the sum</translation>
    </message>
    <message>
        <source>Шанс успеха: %1</source>
        <translation>Success chance: %1</translation>
    </message>
</context>
<context>
    <name>trivelon::gui::ForgeResultWindow</name>
    <message>
        <source>Дистанция:</source>
        <translation>Range:</translation>
    </message>
    <message>
        <source>Уровень:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Нужен Base:</source>
        <translation>Req. Base:</translation>
    </message>
    <message>
        <source>Тип:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Вес:</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <source>Вероятность успешной ковки</source>
        <translation>Forging success rate</translation>
    </message>
    <message>
        <source>Для ковки надо:</source>
        <translation>Required:</translation>
    </message>
    <message>
        <source>Средняя себестоимость ковки:</source>
        <translation>Average forging cost:</translation>
    </message>
    <message>
        <source>Хватит с вероятностью:</source>
        <translation>Enough with a chance of:</translation>
    </message>
    <message>
        <source>График...</source>
        <translation>Chart...</translation>
    </message>
    <message>
        <source>Попыток</source>
        <translation>Tries</translation>
    </message>
    <message>
        <source>Средняя себестоимость ковки: попыток на один успех в среднем, 100 / шанс с округлением вверх, по цене одной попытки</source>
        <translation>Average forging cost: tries per success on average, 100 / chance rounded up, at the price of one try</translation>
    </message>
    <message>
        <source>График: %1</source>
        <translation>Chart: %1</translation>
    </message>
    <message>
        <source>Цена: %1</source>
        <translation>Price: %1</translation>
    </message>
    <message>
        <source>шт.</source>
        <translation>pcs</translation>
    </message>
</context>
<context>
    <name>trivelon::gui::ForgeTab</name>
    <message>
        <source>Ковка</source>
        <translation>Forge</translation>
    </message>
    <message>
        <source>Считаем...</source>
        <translation>Calculate...</translation>
    </message>
</context>
<context>
    <name>trivelon::gui::HelpWindow</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>trivelon::gui::MainWindow</name>
    <message>
        <source>Вкладки</source>
        <translation>Tabs</translation>
    </message>
    <message>
        <source>Загрузить правила сервера…</source>
        <translation>Load a server&apos;s rules…</translation>
    </message>
    <message>
        <source>Встроенные правила</source>
        <translation>Built-in rules</translation>
    </message>
    <message>
        <source>Правила сервера</source>
        <translation>A server&apos;s rules</translation>
    </message>
    <message>
        <source>Правила (*.toml);;Все файлы (*)</source>
        <translation>Rules (*.toml);;All files (*)</translation>
    </message>
    <message>
        <source>%1 — правила: %2</source>
        <translation>%1 — rules: %2</translation>
    </message>
    <message>
        <source>Тривелон для ТАЛВ версия 0.7.0 от 28.08.2006</source>
        <translation>Тривелон for TALV, version 0.7.0 of 28.08.2006</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>trivelon::gui::RefineComparisonWindow</name>
    <message>
        <source>С какого уровня точить?</source>
        <translation>Which level to refine from?</translation>
    </message>
    <message>
        <source>не могу прочитать сумму — этот уровень не сравнивается</source>
        <translation>cannot read the sum — this level is not compared</translation>
    </message>
    <message>
        <source>до %1</source>
        <translation>up to %1</translation>
    </message>
    <message>
        <source>шаги до %1 не ломают вещь</source>
        <translation>steps up to %1 do not break the item</translation>
    </message>
    <message>
        <source>введите цены, за которые продаются вещи на этих уровнях</source>
        <translation>enter the prices items sell for at these levels</translation>
    </message>
    <message>
        <source>каждая дорога стоит больше, чем можно сосчитать</source>
        <translation>every road costs more than can be counted</translation>
    </message>
    <message>
        <source>дешевле всего: %1 — %2 Zeny</source>
        <translation>cheapest: %1 — %2 Zeny</translation>
    </message>
    <message>
        <source>дешевле всего: %1 — в среднем %2 Zeny</source>
        <translation>cheapest: %1 — %2 Zeny on average</translation>
    </message>
    <message>
        <source>следующая по цене дорога дороже на %1 Zeny</source>
        <translation>the next cheapest road costs %1 Zeny more</translation>
    </message>
    <message>
        <source>сравнить не с чем</source>
        <translation>nothing to compare with</translation>
    </message>
</context>
<context>
    <name>trivelon::gui::RefineTab</name>
    <message>
        <source>Заточка (Beta)</source>
        <translation>Refine (Beta)</translation>
    </message>
    <message>
        <source>Что точим?</source>
        <translation>What to refine?</translation>
    </message>
    <message>
        <source>Хотим получить</source>
        <translation>Refine to</translation>
    </message>
    <message>
        <source>Текущий уровень</source>
        <translation>Current level</translation>
    </message>
    <message>
        <source>Безопасно точится до </source>
        <translation>Safe up to </translation>
    </message>
    <message>
        <source>Стоимость одной заточки</source>
        <translation>Fee per attempt</translation>
    </message>
    <message>
        <source>Необходимый материал:</source>
        <translation>Material needed:</translation>
    </message>
    <message>
        <source>Вероятность успешной заточки:</source>
        <translation>Refine success rate:</translation>
    </message>
    <message>
        <source>Цена материала:</source>
        <translation>Material price:</translation>
    </message>
    <message>
        <source> Zeny/шт.</source>
        <translation> Zeny/pcs</translation>
    </message>
    <message>
        <source>Цена вещи:</source>
        <translation>Item price:</translation>
    </message>
    <message>
        <source>Среднее количество материалов:</source>
        <translation>Average materials:</translation>
    </message>
    <message>
        <source>шт.</source>
        <translation>pcs</translation>
    </message>
    <message>
        <source>Среднее количество вещей:</source>
        <translation>Average items:</translation>
    </message>
    <message>
        <source>Средняя себестоимость заточки:</source>
        <translation>Average refine cost:</translation>
    </message>
    <message>
        <source>Бонус от заточки:</source>
        <translation>Refine bonus:</translation>
    </message>
    <message>
        <source>Хватит с вероятностью:</source>
        <translation>Enough with a chance of:</translation>
    </message>
    <message>
        <source>Вещей:</source>
        <translation>Items:</translation>
    </message>
    <message>
        <source>Материалов:</source>
        <translation>Materials:</translation>
    </message>
    <message>
        <source>в среднем</source>
        <translation>average</translation>
    </message>
    <message>
        <source>График...</source>
        <translation>Chart...</translation>
    </message>
    <message>
        <source>Сравнить...</source>
        <translation>Compare...</translation>
    </message>
    <message>
        <source>График: %1, %2 → %3</source>
        <translation>Chart: %1, %2 → %3</translation>
    </message>
</context>
</TS>
