;;; orvlib.lsp - общие функции библиотек LIB_M.

;; Делает слой текущим, создавая его при необходимости.
(defun lib_layer (name color)
  (if (null name) (setq name "0"))
  (if (not (tblsearch "LAYER" name))
    (command "_.-LAYER" "_New" name "_Color" color name ""))
  (setvar "CLAYER" name))

;; Прямоугольник по двум противоположным углам.
(defun lib_rect (p1 p2)
  (command "_.PLINE" p1 (list (car p2) (cadr p1)) p2 (list (car p1) (cadr p2)) "_Close"))

;; Однострочный текст с выравниванием по середине.
(defun lib_text (pt height str)
  (command "_.TEXT" "_Justify" "_MC" pt height 0 str))

(princ)
